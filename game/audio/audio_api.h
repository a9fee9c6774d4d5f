#pragma once
// The OpenAL runtime, bound by name at run time: one function pointer per
// entry point, looked up in the order of the list below. The game calls
// OpenAL only through this table.
#include <AL/al.h>
#include <AL/alc.h>

#include <array>

namespace glyphora {

// Every entry point the binding requires, in lookup order.
// clang-format off
#define GLYPHORA_OPENAL_ENTRY_POINTS(X)                                                                \
    X(alEnable, LPALENABLE) X(alDisable, LPALDISABLE) X(alIsEnabled, LPALISENABLED)                    \
    X(alGetBoolean, LPALGETBOOLEAN) X(alGetInteger, LPALGETINTEGER) X(alGetFloat, LPALGETFLOAT)        \
    X(alGetDouble, LPALGETDOUBLE) X(alGetBooleanv, LPALGETBOOLEANV) X(alGetIntegerv, LPALGETINTEGERV)  \
    X(alGetFloatv, LPALGETFLOATV) X(alGetDoublev, LPALGETDOUBLEV) X(alGetString, LPALGETSTRING)        \
    X(alGetError, LPALGETERROR) X(alIsExtensionPresent, LPALISEXTENSIONPRESENT)                        \
    X(alGetProcAddress, LPALGETPROCADDRESS) X(alGetEnumValue, LPALGETENUMVALUE)                        \
    X(alListeneri, LPALLISTENERI) X(alListenerf, LPALLISTENERF) X(alListener3f, LPALLISTENER3F)        \
    X(alListenerfv, LPALLISTENERFV) X(alGetListeneri, LPALGETLISTENERI)                                \
    X(alGetListenerf, LPALGETLISTENERF) X(alGetListener3f, LPALGETLISTENER3F)                          \
    X(alGetListenerfv, LPALGETLISTENERFV) X(alGenSources, LPALGENSOURCES)                              \
    X(alDeleteSources, LPALDELETESOURCES) X(alIsSource, LPALISSOURCE) X(alSourcei, LPALSOURCEI)        \
    X(alSourcef, LPALSOURCEF) X(alSource3f, LPALSOURCE3F) X(alSourcefv, LPALSOURCEFV)                  \
    X(alGetSourcei, LPALGETSOURCEI) X(alGetSourcef, LPALGETSOURCEF) X(alGetSourcefv, LPALGETSOURCEFV)  \
    X(alSourcePlayv, LPALSOURCEPLAYV) X(alSourceStopv, LPALSOURCESTOPV)                                \
    X(alSourcePlay, LPALSOURCEPLAY) X(alSourcePause, LPALSOURCEPAUSE) X(alSourceStop, LPALSOURCESTOP)  \
    X(alSourceRewind, LPALSOURCEREWIND) X(alGenBuffers, LPALGENBUFFERS)                                \
    X(alDeleteBuffers, LPALDELETEBUFFERS) X(alIsBuffer, LPALISBUFFER) X(alBufferData, LPALBUFFERDATA)  \
    X(alGetBufferi, LPALGETBUFFERI) X(alGetBufferf, LPALGETBUFFERF)                                    \
    X(alSourceQueueBuffers, LPALSOURCEQUEUEBUFFERS) X(alSourceUnqueueBuffers, LPALSOURCEUNQUEUEBUFFERS) \
    X(alDistanceModel, LPALDISTANCEMODEL) X(alDopplerFactor, LPALDOPPLERFACTOR)                        \
    X(alDopplerVelocity, LPALDOPPLERVELOCITY) X(alcGetString, LPALCGETSTRING)                          \
    X(alcGetIntegerv, LPALCGETINTEGERV) X(alcOpenDevice, LPALCOPENDEVICE)                              \
    X(alcCloseDevice, LPALCCLOSEDEVICE) X(alcCreateContext, LPALCCREATECONTEXT)                        \
    X(alcMakeContextCurrent, LPALCMAKECONTEXTCURRENT) X(alcProcessContext, LPALCPROCESSCONTEXT)        \
    X(alcGetCurrentContext, LPALCGETCURRENTCONTEXT) X(alcGetContextsDevice, LPALCGETCONTEXTSDEVICE)    \
    X(alcSuspendContext, LPALCSUSPENDCONTEXT) X(alcDestroyContext, LPALCDESTROYCONTEXT)                \
    X(alcGetError, LPALCGETERROR) X(alcIsExtensionPresent, LPALCISEXTENSIONPRESENT)                    \
    X(alcGetProcAddress, LPALCGETPROCADDRESS) X(alcGetEnumValue, LPALCGETENUMVALUE)
// clang-format on

// Empty (all null) until bound; a failed binding leaves the entries after the
// first missing one empty.
struct AudioApi {
#define GLYPHORA_DECLARE_ENTRY(name, type) type name = nullptr;
    GLYPHORA_OPENAL_ENTRY_POINTS(GLYPHORA_DECLARE_ENTRY)
#undef GLYPHORA_DECLARE_ENTRY
};

// The entry points' names, in lookup order.
inline constexpr std::array kAudioApiNames = {
#define GLYPHORA_ENTRY_NAME(name, type) #name,
    GLYPHORA_OPENAL_ENTRY_POINTS(GLYPHORA_ENTRY_NAME)
#undef GLYPHORA_ENTRY_NAME
};
static_assert(kAudioApiNames.size() == 66);

}  // namespace glyphora
