! Free form: modules, types, interfaces, procedures with prefixes and result types.
module solver
  implicit none
  private

  type, public :: grid
    integer :: n
  end type grid

  type :: stencil
    real(kind=8), allocatable :: w(:)
  end type

  interface norm
    module procedure norm_real, norm_int
  end interface norm

  interface operator(.dot.)
    module procedure dot
  end interface

contains

  pure real(kind=8) function norm_real(x) result(r)
    real(kind=8), intent(in) :: x(:)
    character(len=*), parameter :: note = "subroutine inside a string"
    r = sqrt(sum(x * x))
  end function norm_real

  recursive subroutine relax(g, depth)
    type(grid), intent(inout) :: g
    integer, intent(in) :: depth
    select type (g)
      type is (grid)
    end select
  end subroutine relax

end module solver

program main
  use solver
  ! subroutine in a comment is not listed
  call relax(g, 3)
end program main
