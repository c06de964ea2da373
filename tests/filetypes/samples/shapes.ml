(* Shapes and their areas.
   let in_comment = 1 is prose here *)
type point = { x : float; y : float }
type 'a tagged = Tag of string * 'a
exception Degenerate of string
external hypot : float -> float -> float = "caml_hypot_float"

module type SHAPE = sig
  type t
  val area : t -> float
end

module Circle = struct
  type t = { centre : point; radius : float }
  let area c = Float.pi *. c.radius *. c.radius
end

let rec perimeter = function
  | [] | [_] -> 0.
  | a :: (b :: _ as rest) ->
    let d = hypot (b.x -. a.x) (b.y -. a.y) in
    d +. perimeter rest
and ( +: ) a b = { x = a.x +. b.x; y = a.y +. b.y }

class counter = object
  val mutable n = 0
  method incr = n <- n + 1
end
