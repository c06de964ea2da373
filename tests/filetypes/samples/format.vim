" Format: functions (legacy and Vim9), user commands and what only looks like them.
" function! Commented() is a comment.

if exists('g:loaded_format')
  finish
endif
let g:loaded_format = 1

function! format#Wrap(width) abort
  let l:text = getline('.')
  return l:text[: a:width]
endfunction

fun s:Trim(line)
  return substitute(a:line, '^\s\+', '', '')
endfun

func! <SID>Align(col) range
  execute a:firstline . ',' . a:lastline . 's/\s\+$//e'
endfunc

function s:dict.Render() dict
  return self.text
endfunction

command! -nargs=1 -range=% FormatWrap call format#Wrap(<args>)
command -bang FormatTrim call s:Trim(getline('.'))
com! FormatAlign call <SID>Align(1)

augroup format
  autocmd!
  autocmd BufWritePre *.txt call s:Trim(getline('.'))
augroup END

def g:FormatCount(): number
  return line('$')
enddef

export def Indent(lines: list<string>): list<string>
  return lines->mapnew((_, l) => '  ' .. l)
enddef

export def Root(name: string = bufname("%")): string
  return name
enddef

python3 << EOF
def helper(text, width=len("x")):
    return text
EOF

ruby << EOF
def load_buffer(name)
  name
end
EOF

let s:message = 'function names in strings are text'
