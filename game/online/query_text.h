#pragma once
// How names and group names travel in the score server's query strings.
#include <string>
#include <string_view>

namespace glyphora {

// text with the letters a to z made upper case; every other byte unchanged.
std::string UpperCaseLetters(std::string_view text);

// Makes text safe for a query value, in place: upper case first (as
// UpperCaseLetters), then each of + % space ! " # & ' ( ) * , / { | } ~ is
// replaced by its %XX escape, except that "+" stands for itself as "~" and so
// arrives as "%7E" (a typed name cannot hold a tilde). Other bytes pass
// unchanged.
void EncodeQueryText(std::string& text);

}  // namespace glyphora
