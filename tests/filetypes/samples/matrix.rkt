#lang racket/base
;; Small dense matrices.
(require racket/contract)
(provide (struct-out matrix) matrix-ref)

(struct matrix (rows cols data) #:transparent)

(define identity-size 3)

(define (matrix-ref m i j)
  (vector-ref (matrix-data m) (+ (* i (matrix-cols m)) j)))

(define/contract (matrix-scale m k)
  (-> matrix? number? matrix?)
  (define (scale x) (* k x))
  (struct-copy matrix m [data (vector-map scale (matrix-data m))]))

(define-syntax-rule (with-matrix m body)
  (let ([it m]) body))

(module+ test
  (define m (matrix 1 1 (vector 2))))
