;;; notes-mode.el --- definitions of many kinds, and forms that only look like them  -*- lexical-binding: t -*-

;; (defun commented-out () nil) is a comment.

(require 'cl-lib)

(defgroup notes nil
  "Notes."
  :group 'text)

(defcustom notes-directory "~/notes"
  "Where notes live.
\(defun in-a-docstring () is text)"
  :type 'directory)

(defvar notes-count 0 "How many notes were opened.")
(defvar-local notes--title nil)
(defconst notes-version "1.0")

(defface notes-heading '((t :weight bold)) "Headings.")

(defun notes-open (name)
  "Open the note NAME."
  (interactive "sNote: ")
  (let ((defun-like 'not-a-definition))
    (find-file (expand-file-name name notes-directory))))

(defmacro notes-with-buffer (&rest body)
  `(with-current-buffer (get-buffer-create "*notes*") ,@body))

(defsubst notes--empty-p (s) (string= s ""))

(defalias 'notes-find #'notes-open)

(cl-defstruct (notes-entry (:constructor notes-entry-create)) title body)

(cl-defmethod notes-render ((entry notes-entry))
  (notes-entry-title entry))

(define-derived-mode notes-mode text-mode "Notes"
  "Major mode for notes.")

(define-minor-mode notes-sync-mode
  "Keep notes in sync."
  :lighter " Sync")

(define-key notes-mode-map (kbd "C-c C-o") #'notes-open)
(evil-define-key 'normal notes-mode-map "o" #'notes-open)
(evil-define-keymap notes-evil-map "Keys of notes in Evil.")

(notes-def-option-var notes-width 72 "Width of a note.")
(def-notes-command ?o "Open a note." (notes-open))

(register-definition-prefixes "notes" '("notes-"))

(provide 'notes-mode)
;;; notes-mode.el ends here
