"""Shapes for a drawing program.

A docstring may show code, and nothing in it is a definition:

    def area(shape):
        return shape.area()

class Sketch:  -- neither is this
"""
import math


def unit_circle():
    return Circle(1.0)


async def fetch_shape(name):
    return await lookup(name)


class Shape:
    '''Base of every shape.

    def fake(self): inside a docstring, not listed
    '''

    def area(self):
        raise NotImplementedError

    @property
    def name(self):
        return type(self).__name__

    class Error(Exception):
        pass


class Circle(Shape):
    def __init__(self, radius): self.radius = radius

    def area(self):
        # def commented_out(self):
        text = "def in_a_string():"
        return math.pi * self.radius ** 2

    async def animate(self):
        def step(t):
            return t
        return step


def_count = 0  # a name that begins with def is no definition
classic = "class"
