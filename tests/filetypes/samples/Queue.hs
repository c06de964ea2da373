-- | A queue made of two lists.
module Data.Queue
  ( Queue, empty, push, pop ) where

import Data.List (foldl')

data Queue a = Queue [a] [a]
newtype Size = Size Int
type Pair a = (a, a)
class Container f where
  size :: f a -> Int

instance Container Queue where
  size (Queue f b) = length f + length b

empty :: Queue a
empty = Queue [] []

push :: a -> Queue a -> Queue a
push x (Queue f b) = Queue f (x:b)

pop :: Queue a -> Maybe (a, Queue a)
pop (Queue [] []) = Nothing
pop (Queue [] b) = pop (Queue (reverse b) [])
pop (Queue (x:f) b) = Just (x, Queue f b)
