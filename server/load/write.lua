-- wrk script: GETs the request paths of a file (one per line, as
-- glyphora-scores-requests writes them), each thread its own share, and counts
-- the acknowledged (200) and refused answers.
--   wrk ... -s write.lua URL -- FILE THREADS
local threads = {}

function setup(thread)
  thread:set("id", #threads)
  table.insert(threads, thread)
end

function init(args)
  local file, count = args[1], tonumber(args[2])
  paths = {}
  local i = 0
  for line in io.lines(file) do
    if i % count == id then paths[#paths + 1] = line end
    i = i + 1
  end
  next_path, acknowledged, refused = 0, 0, 0
end

-- Past the end of its share a thread starts over; the repeats are stored
-- once, so the acknowledged count then exceeds the entries.
function request()
  next_path = next_path % #paths + 1
  return wrk.format("GET", paths[next_path])
end

function response(status, headers, body)
  if status == 200 then acknowledged = acknowledged + 1 else refused = refused + 1 end
end

function done(summary, latency, requests)
  local a, r = 0, 0
  for _, thread in ipairs(threads) do
    a = a + thread:get("acknowledged")
    r = r + thread:get("refused")
  end
  io.write(string.format("RESULT requests/s %.0f p50 %.2f ms p99 %.2f ms acknowledged %d refused %d errors %d\n",
    summary.requests / (summary.duration / 1e6), latency:percentile(50) / 1000, latency:percentile(99) / 1000,
    a, r, summary.errors.connect + summary.errors.read + summary.errors.write + summary.errors.timeout))
end
