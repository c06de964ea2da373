;;; Lazy streams.
(define-module (demo streams)
  #:export (stream-take stream-map))

(use-modules (srfi srfi-9))

(define-record-type <stream>
  (make-stream head tail)
  stream?
  (head stream-head))

(define empty-stream '())

(define (stream-map f s)
  (define (step s) (f (stream-head s)))
  (step s))

(define* (stream-take s #:optional (n 10))
  (if (zero? n) '() (cons (stream-head s) '())))

(define-syntax stream-cons
  (syntax-rules ()
    ((_ a b) (make-stream a (delay b)))))
