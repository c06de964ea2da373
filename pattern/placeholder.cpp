// The pattern engine arrives here.
