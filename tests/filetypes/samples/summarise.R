# Function definitions at column 0, nested ones, lambdas; `=` only at column 0.
library(dplyr)

summarise_runs <- function(runs, by = "host") {
  mean_time <- function(x) mean(x$seconds)
  runs %>% group_by(.data[[by]]) %>% summarise(t = mean_time(cur_data()))
}

scale01 = function(x) (x - min(x)) / (max(x) - min(x))

`%||%` <- function(a, b) if (is.null(a)) b else a

square <- \(x) x^2

report$print <- function(...) cat("report\n")

tryCatch(run(), error = function(e) message("not a definition: a handler"))

# helper <- function() a comment is not listed
label <- "f <- function() inside a string"
