C     Fixed form: a comment line starts in column one.
C     SUBROUTINE NOTLISTED is a comment.
      SUBROUTINE DSWAP(N,DX,INCX,DY,INCY)
      INTEGER N,INCX,INCY
      DOUBLE PRECISION DX(*),DY(*)
      RETURN
      END

      DOUBLE PRECISION FUNCTION DDOT(N,DX,INCX,DY,INCY)
      INTEGER N
      DDOT = 0.0D0
      END

      BLOCK DATA SETUP
      COMMON /CFG/ LIMIT
      DATA LIMIT /100/
      END
