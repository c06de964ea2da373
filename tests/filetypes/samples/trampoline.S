/* GNU as, preprocessed: labels, macros and defines.  not_a_label: inside a comment */
#define C(X) X
#define L(X) .L##X
# define FRAME_SIZE 32

	.macro	SAVE_ARGS reg
	pushq	\reg
	.endm

	.set	ALIGNMENT, 16
	.equ	RED_ZONE, 128

	.text
	.globl	C(ffi_call_tramp)
	.type	C(ffi_call_tramp), @function
C(ffi_call_tramp):
L(UW0):
	movq	(%rsp), %r10
1:	decq	%rcx		/* numeric local labels are not listed */
	jnz	1b
.Lreturn:
	.asciz	"message: not a label"
	ret
	.size	C(ffi_call_tramp), .-C(ffi_call_tramp)

plain_label:	nop
