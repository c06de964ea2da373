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

macro_rules! square {
    ($x:expr) => { $x * $x };
}

type Grid = Vec<Point>;

/* Kept for reference:
   /* nested */
   fn retired() {}
*/
