;;;; A FIFO queue kept as a cons of head and tail.
(in-package #:cl-user)

(defpackage #:fifo
  (:use #:cl)
  (:export #:make-queue #:enqueue))

(in-package #:fifo)

(defconstant +initial-size+ 16)
(defvar *default-queue* nil)
(defparameter *trace* nil "Print each operation.")

(defstruct (queue (:constructor %make-queue))
  (head nil) (tail nil))

(defun make-queue ()
  (%make-queue))

(defmacro with-queue ((var) &body body)
  `(let ((,var (make-queue))) ,@body))

(defgeneric enqueue (queue item))
(defmethod enqueue ((q queue) item)
  (let ((cell (list item)))
    (setf (queue-tail q) cell)))

(defun (setf queue-front) (item q)
  (setf (car (queue-head q)) item))

(cl:defmethod print-object ((q queue) stream)
  (print-unreadable-object (q stream :type t)))
