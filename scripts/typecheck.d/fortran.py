# Fortran: the reference BLAS routines of stdlib-js (npm @stdlib/blas), NumPy's f2py test sources
# (python3-numpy), CMake's Fortran probes (cmake-data), and the Fortran interfaces of FFTW, NLopt,
# netCDF, SciPy and GCC (all there are in this machine's reach: few packages carry Fortran sources).
# Projects: a BLAS routine, an f2py test folder, else the package; halves by the checksum. Counted:
# programs, modules, submodules, subroutines, functions, derived types, named interfaces and block
# data, as ctags sees them.

ROW = {
    "type": "Fortran",
    "debian": ["python3-numpy", "cmake-data", "libfftw3-dev", "python3-scipy", "libnlopt-dev",
               "libnetcdff-dev", "gfortran-12"],
    "npm": ["@stdlib/blas@0.4.1"],
    "files": [CORPUS + "/deb/%s/**/*.%s" % (p, e)
              for p in ("python3-numpy", "cmake-data", "libfftw3-dev", "python3-scipy", "libnlopt-dev",
                        "libnetcdff-dev", "gfortran-12")
              for e in ("f", "F", "f90", "F90", "f77", "f03", "f08", "for")]
             + [CORPUS + "/npm/@stdlib+blas/base/*/src/*.f"],
    "project": r"/(?:f2py/tests/src|@stdlib\+blas/base)/([^/]+)/",
    "files_name": "stdlib-js BLAS (npm), NumPy f2py tests, CMake probes, FFTW, NLopt, netCDF, SciPy, GCC",
    "ctags": ("Fortran", "pmSsftibP"),
    "reference_name": "ctags Fortran: programs, modules, submodules, subroutines, functions, types, interfaces, block data, prototypes (interface bodies)",
}
