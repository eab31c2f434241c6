-- The interpreter's race, Lua 5.4's side: the same rows as bench/race.sav, doing the same work the
-- same way. Each row runs its body three times and prints "ROW NS" (the fastest run, ns per
-- operation). The clock and the window come from the peer's shim (bench/peer/race_shim.c).
local shim = require("race_shim")

local function race(name, ops, expected, body)
  local best = nil
  for _ = 1, 3 do
    local t0 = shim.now_ns()
    local got = body()
    local ns = (shim.now_ns() - t0) / ops
    if got ~= expected then error(string.format("%s: got %s, expected %s", name, tostring(got), tostring(expected))) end
    if best == nil or ns < best then best = ns end
  end
  io.write(string.format("%s %.1f\n", name, best))
end

-- calls and integer arithmetic
local function fib(n) if n < 2 then return n end return fib(n - 1) + fib(n - 2) end
race("fib", 35421, 10946, function() return fib(21) end)

local function count_loop(n)
  local i, s = 0, 0
  while i < n do
    s = (s + i * 3) % 997
    i = i + 1
  end
  return s
end
race("loop", 200000, 720, function() return count_loop(200000) end)

-- a 100,000-element table built, then walked
local function build_list(n)
  local l, i = {}, 0
  while i < n do
    l[i + 1] = i % 100
    i = i + 1
  end
  return l
end
local function sum_list(l)
  local s, i = 0, 1
  while l[i] do
    s = s + l[i]
    i = i + 1
  end
  return s
end
race("list", 100000, 4950000, function() return sum_list(build_list(100000)) end)

-- an association looked up by key, every key in turn
local keys = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india", "juliet", "kilo",
              "lima", "mike", "november", "oscar", "papa"}
local table_ = {}
for i, k in ipairs(keys) do table_[k] = i - 1 end
local function lookups(rounds)
  local s, r = 0, 0
  while r < rounds do
    for _, k in ipairs(keys) do s = s + table_[k] end
    r = r + 1
  end
  return s
end
race("assoc", 64000, 480000, function() return lookups(4000) end)

-- a string built piece by piece, and a slice of it read at every step
local function build_string(n)
  local s, i, sliced = "", 0, 0
  while i < n do
    s = s .. tostring(i % 10) .. ","
    sliced = sliced + #string.sub(s, i + 1, i + 2)
    i = i + 1
  end
  return sliced
end
race("string", 4000, 8000, function() return build_string(4000) end)

-- a closure over a fresh local, made and called once per step
local function closures(n)
  local i, s = 0, 0
  while i < n do
    local k = i % 10
    local f = function(x) return x + k end
    s = s + f(1)
    i = i + 1
  end
  return s
end
race("closure", 50000, 275000, function() return closures(50000) end)

-- objects of a class defined here
local Counter = {}
Counter.__index = Counter
function Counter.new() return setmetatable({n = nil}, Counter) end
function Counter:step(k) return k + self.n end
local function field_loop(o, n)
  local i = 0
  while i < n do
    o.n = o.n + 1
    i = i + 1
  end
  return o.n
end
race("field", 100000, 100000, function() local o = Counter.new() o.n = 0 return field_loop(o, 100000) end)
local function method_loop(o, n)
  local i, s = 0, 0
  while i < n do
    s = o:step(s) % 997
    i = i + 1
  end
  return s
end
race("method", 100000, 9, function() local o = Counter.new() o.n = 10 return method_loop(o, 100000) end)

-- a window whose Lua handler answers every message sent
local WM_USER = 0x400
local window = shim.window(function(msg, wParam, lParam) return wParam + 1 end)
local function send_loop(h, n)
  local i, s, msg = 0, 0, WM_USER + 7
  while i < n do
    s = (s + shim.send(h, msg, i % 10, 0)) % 997
    i = i + 1
  end
  return s
end
race("handler", 10000, 165, function() return send_loop(window, 10000) end)

-- allocation: a binary tree built, counted and dropped, again and again
local function make_tree(depth)
  if depth == 0 then return nil end
  return {make_tree(depth - 1), make_tree(depth - 1)}
end
local function count_tree(node)
  if node == nil then return 0 end
  return 1 + count_tree(node[1]) + count_tree(node[2])
end
local function trees(rounds)
  local r, s = 0, 0
  while r < rounds do
    s = s + count_tree(make_tree(12))
    r = r + 1
  end
  return s
end
race("tree", 40950, 40950, function() return trees(10) end)
