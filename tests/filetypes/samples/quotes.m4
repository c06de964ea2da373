dnl Macros of a file that changes its quotes to double brackets.
changequote([[, ]])dnl
define([[quoteall]], [[patsubst([[[[$*]]]], [[,[ ]+]], [[,]])]])dnl
define([[group]], quoteall([[wheel, staff]]))dnl
define(`plain', `one level')dnl
group
