% Octave and MATLAB share .m with Objective-C: their function lines are listed too.
function e = rms_error(expected, actual)
  d = expected - actual;
  e = sqrt(mean(d .^ 2));
end

function [lo, hi] = error_bounds(e, k)
  lo = e - k;
  hi = e + k;
end

function report(e)
  printf("rms error %g\n", e);
end
