// The registry stand-in arrives here.
