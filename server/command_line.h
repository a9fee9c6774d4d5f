#pragma once
// The score server's command line.
#include <string>
#include <vector>

#include "server/score_server.h"

namespace glyphora::server {

struct CommandLine {
    ServerOptions server;
    std::string database = "scores.sqlite";  // the SQLite file, unless postgres is given
    std::string postgres;                    // a libpq connection string
    bool help = false;
    bool count = false;  // print how many entries are stored and end
};

inline constexpr const char* kUsage =
    "usage: glyphora-scores [--db FILE | --postgres CONNECTION] [--host ADDRESS] [--port N]\n"
    "                       [--threads N] [--limit-installation BURST/PERSECOND]\n"
    "                       [--limit-address BURST/PERSECOND] [--behind-proxy] [--font FILE]\n"
    "       glyphora-scores [--db FILE | --postgres CONNECTION] --count\n"
    "\n"
    "  --db FILE             SQLite database, created when missing (default scores.sqlite)\n"
    "  --postgres CONNECTION PostgreSQL instead, e.g. \"host=db.example dbname=glyphora user=scores\"\n"
    "  --host ADDRESS        address to listen on (default 0.0.0.0, every interface)\n"
    "  --port N              port to listen on (default 8047)\n"
    "  --threads N           connections served at once (default 16)\n"
    "  --limit-installation  write requests per installation (default 200/1; 0: no limit)\n"
    "  --limit-address       requests per client address (default 2000/20; 0: no limit)\n"
    "  --behind-proxy        take the client address from X-Forwarded-For\n"
    "  --font FILE           the title face served to the pages\n"
    "                        (default /usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf)\n"
    "  --count               print how many entries are stored, then end\n";

// Reads the arguments (without the program name); the reason when they are
// not understood.
std::string ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& out);

}  // namespace glyphora::server
