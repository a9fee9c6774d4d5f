-- wrk script: the show page as players open it: everyone's tables and the
-- groups' tables, each difficulty first in turn, with a player's names.
local pages = {}
for _, group in ipairs({"", "CHESS%20CLUB", "CLASS%207B", "NIGHT%20OWLS"}) do
  for difficulty = 0, 2 do
    pages[#pages + 1] = "/glyphora/highscores/show.php?difficulty=" .. difficulty .. "&grouptoshow=" .. group ..
      "&playertoshow=KAKAKA&regcode=LOAD007ELSZ6ELSZ6ELS&group0=CHESS%20CLUB&group1=CLASS%207B" ..
      "&player0=KAKAKA&player1=LOMIRA"
  end
end
local next_page = 0

function request()
  next_page = next_page % #pages + 1
  return wrk.format("GET", pages[next_page])
end

function done(summary, latency, requests)
  io.write(string.format("RESULT requests/s %.0f p50 %.2f ms p99 %.2f ms non-2xx %d errors %d\n",
    summary.requests / (summary.duration / 1e6), latency:percentile(50) / 1000, latency:percentile(99) / 1000,
    summary.errors.status, summary.errors.connect + summary.errors.read + summary.errors.write + summary.errors.timeout))
end
