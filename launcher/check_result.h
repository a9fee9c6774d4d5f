#pragma once
// Result codes of the launcher's version queries (the HRESULTs they stand
// for: S_OK, E_FAIL, E_INVALIDARG).

namespace glyphora {

enum class CheckResult { Ok, Failed, InvalidArgument };

}  // namespace glyphora
