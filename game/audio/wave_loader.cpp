#include "game/audio/wave_loader.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace glyphora {
namespace {

// The lowest empty slot, or -1 when the table is full.
int FreeSlot(const WaveLoader& loader) {
    for (int i = 0; i < kWaveSlots; ++i) {
        if (!loader.slots[i]) return i;
    }
    return -1;
}

WaveResult Store(WaveLoader& loader, std::unique_ptr<WaveEntry> entry, WaveId& out) {
    const int slot = FreeSlot(loader);
    if (slot < 0) return kWaveOutOfMemory;
    loader.slots[slot] = std::move(entry);
    out = slot;
    return kWaveSuccess;
}

// Parses the source and reads all its sample data; the source is closed
// whatever the outcome. A data chunk that claims more bytes than the file
// holds is refused before anything is allocated for it.
WaveResult LoadFrom(WaveLoader& loader, std::unique_ptr<WaveSource> source, WaveId& out) {
    auto entry = std::make_unique<WaveEntry>();
    if (const WaveResult parsed = ParseWave(*source, *entry); parsed != kWaveSuccess) return parsed;
    if (entry->dataSize > source->size() - entry->dataOffset) return kWaveInvalidFile;
    entry->data.reset(new (std::nothrow) unsigned char[entry->dataSize]);
    if (!entry->data) return kWaveOutOfMemory;
    if (!source->seek(entry->dataOffset) || source->read(entry->data.get(), entry->dataSize) != entry->dataSize) {
        return kWaveInvalidFile;
    }
    return Store(loader, std::move(entry), out);
}

const WaveEntry* Find(const WaveLoader& loader, WaveId id) {
    return IsWaveId(loader, id) ? loader.slots[id].get() : nullptr;
}

}  // namespace

WaveResult LoadWave(WaveLoader& loader, const std::string& path, WaveId& out) {
    auto source = OpenWaveFile(path);
    if (!source) return kWaveInvalidFileName;
    return LoadFrom(loader, std::move(source), out);
}

WaveResult LoadWaveFromMemory(WaveLoader& loader, std::span<const unsigned char> bytes, WaveId& out) {
    return LoadFrom(loader, ViewWaveBytes(bytes), out);
}

WaveResult OpenWave(WaveLoader& loader, const std::string& path, WaveId& out) {
    auto source = OpenWaveFile(path);
    if (!source) return kWaveInvalidFileName;
    auto entry = std::make_unique<WaveEntry>();
    if (const WaveResult parsed = ParseWave(*source, *entry); parsed != kWaveSuccess) return parsed;
    if (!source->seek(entry->dataOffset)) return kWaveInvalidFile;
    entry->source = std::move(source);
    return Store(loader, std::move(entry), out);
}

WaveResult ReadWaveData(WaveLoader& loader, WaveId id, void* buffer, std::size_t size, std::size_t* count) {
    if (!buffer || !count || size == 0) return kWaveInvalidParameter;
    if (!IsWaveId(loader, id)) return kWaveInvalidId;
    WaveEntry& entry = *loader.slots[id];
    if (!entry.source) return kWaveInvalidFile;
    const std::int64_t done = entry.source->position() - entry.dataOffset;
    const std::int64_t left = done >= 0 && done < entry.dataSize ? entry.dataSize - done : 0;
    *count = entry.source->read(buffer, std::min<std::size_t>(size, static_cast<std::size_t>(left)));
    return kWaveSuccess;
}

WaveResult SeekWaveData(WaveLoader& loader, WaveId id, std::int64_t offset) {
    if (!IsWaveId(loader, id)) return kWaveInvalidId;
    WaveEntry& entry = *loader.slots[id];
    if (!entry.source || offset < 0) return kWaveInvalidParameter;
    return entry.source->seek(entry.dataOffset + offset) ? kWaveSuccess : kWaveFileIoError;
}

WaveResult DeleteWave(WaveLoader& loader, WaveId id) {
    if (!IsWaveId(loader, id)) return kWaveInvalidId;
    loader.slots[id].reset();
    return kWaveSuccess;
}

WaveResult GetWaveFormatEx(const WaveLoader& loader, WaveId id, unsigned char* out) {
    const WaveEntry* entry = Find(loader, id);
    if (!entry) return kWaveInvalidId;
    if (!out) return kWaveInvalidParameter;
    std::memcpy(out, entry->format.bytes.data(), 18);
    return kWaveSuccess;
}

WaveResult GetWaveData(const WaveLoader& loader, WaveId id, const unsigned char** out) {
    const WaveEntry* entry = Find(loader, id);
    if (!entry) return kWaveInvalidId;
    if (!out) return kWaveInvalidParameter;
    *out = entry->data.get();
    return kWaveSuccess;
}

WaveResult GetWaveSize(const WaveLoader& loader, WaveId id, std::uint32_t* out) {
    const WaveEntry* entry = Find(loader, id);
    if (!entry) return kWaveInvalidId;
    if (!out) return kWaveInvalidParameter;
    *out = entry->dataSize;
    return kWaveSuccess;
}

WaveResult GetWaveFrequency(const WaveLoader& loader, WaveId id, std::uint32_t* out) {
    const WaveEntry* entry = Find(loader, id);
    if (!entry) return kWaveInvalidId;
    if (!out) return kWaveInvalidParameter;
    *out = entry->format.samplesPerSecond();
    return kWaveSuccess;
}

bool IsWaveId(const WaveLoader& loader, WaveId id) { return id >= 0 && id < kWaveSlots && loader.slots[id] != nullptr; }

}  // namespace glyphora
