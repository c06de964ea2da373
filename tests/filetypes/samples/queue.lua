-- Queue: global, local and table functions, functions held in fields, and what only looks like them.
-- function commented() end is a comment.
local Queue = {}
Queue.__index = Queue

local function check(value)
  assert(value ~= nil, "a queue holds no nil")
end

function Queue.new()
  return setmetatable({ first = 1, last = 0, items = {} }, Queue)
end

function Queue:push(value)
  check(value)
  self.last = self.last + 1
  self.items[self.last] = value
end

function Queue:pop()
  if self.first > self.last then return nil end
  local value = self.items[self.first]
  self.items[self.first] = nil
  self.first = self.first + 1
  return value
end

Queue.size = function(self)
  return self.last - self.first + 1
end

local helpers = {
  describe = function(q) return ("queue of %d"):format(q:size()) end,
  name = "not a function",
}

local sorted = table.sort(helpers, function(a, b) return a < b end)

function helpers.empty(q) return q:size() == 0 end

return Queue
