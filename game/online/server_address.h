#pragma once
// Where the online high scores live. The game talks to a score server on the
// player's own machine unless the player names another one in a plain text
// file beside the settings (the data files' hashes do not cover it).
#include <string>
#include <string_view>

namespace glyphora {

inline constexpr const char* kDefaultServerAddress = "http://127.0.0.1:8047";
inline constexpr const char* kServerAddressFile = "Data/Server.txt";
inline constexpr std::size_t kMaxServerAddress = 200;

// True for "http://" or "https://" followed by at least a host, with no
// blanks, control characters, query or fragment, at most kMaxServerAddress
// bytes long.
bool IsServerAddress(std::string_view address);

// The first line of the file that is not empty and does not start with "#",
// without surrounding blanks and trailing "/", when it is a server address;
// the default address otherwise (no file, an empty file, a bad address).
std::string ReadServerAddress(const std::string& path = kServerAddressFile);

}  // namespace glyphora
