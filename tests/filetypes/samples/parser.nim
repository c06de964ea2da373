## A tokenizer for arithmetic.
import std/strutils

type
  TokenKind* = enum
    tkNumber, tkPlus, tkMinus
  Token* = object
    kind*: TokenKind
    text*: string
  Lexer = ref object
    input: string
    pos: int
  Meters = distinct float

proc newLexer*(input: string): Lexer =
  Lexer(input: input, pos: 0)

func isDigitAt(l: Lexer): bool = l.input[l.pos] in Digits

iterator tokens*(l: Lexer): Token =
  while l.pos < l.input.len:
    inc l.pos

proc `$`*(t: Token): string = t.text

template check(cond: bool) =
  assert cond

macro debugTokens(body: untyped): untyped =
  result = body

#[ proc commented(): int = 1 ]#
