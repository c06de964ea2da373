//! A small library: functions, types, impls and macros are listed.
use std::fmt;

pub struct Point {
    x: i32,
}

pub(crate) enum Shape {
    Circle(f64),
}

pub trait Area {
    fn area(&self) -> f64;
}

impl fmt::Display for Point {
    fn fmt(&self, f: &mut fmt::Formatter) -> fmt::Result {
        let closure = |x: i32| x + 1; // fn in a comment
        write!(f, "{}", self.x)
    }
}

pub async fn fetch() {}

pub const unsafe fn raw() -> i32 { 0 }

mod tests;

mod inner {
    pub fn helper() {}
}

// A macro's body at column 0 is a template, not items: neither it nor its name is listed.
macro_rules! impl_area {
    ($t:ty) => {
        impl Area for $t {
            fn area(&self) -> f64 { 0.0 }
        }
    };
}
impl_area! { Point }

mod shapes {
    // Indented, only the name and the lines without a `$` are listed.
    macro_rules! square {
        ($x:expr) => { $x * $x };
    }
}

pub unsafe fn r#try() {}

type Grid = Vec<Point>;

/* Kept for reference:
   /* nested */
   fn retired() {}
*/
