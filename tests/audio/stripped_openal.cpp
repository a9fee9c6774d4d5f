// A stand-in for the OpenAL runtime: a shared library that exports every
// entry point the binding looks up under its own name. Its build leaves one
// of them out of the exported symbols (a version script), so the binding
// meets a real library that lacks exactly that entry point. The entry points
// are never called: a binding that misses one stops before opening a device.
#include "game/audio/audio_api.h"

extern "C" __attribute__((used, visibility("default"))) void StrippedOpenAlEntryPoint() {}

// Every name is an alias of the one empty function (the OpenAL headers
// declare the real prototypes, which a definition here would contradict).
#define GLYPHORA_ALIAS_ENTRY(name, type) __asm__(".globl " #name "\n.set " #name ", StrippedOpenAlEntryPoint");
GLYPHORA_OPENAL_ENTRY_POINTS(GLYPHORA_ALIAS_ENTRY)
#undef GLYPHORA_ALIAS_ENTRY
