// Reads any bytes as a WAVE file, from memory and from a file, whole and as a
// stream with seeks, and checks what the reader promises: never more sample
// data than the data chunk holds, never a byte that is not in the file.
#include <cstring>
#include <vector>

#include "fuzz_file.h"
#include "game/audio/wave_loader.h"

using namespace glyphora;

namespace {

int LookUp(const char* name) { return name[0] == 'A' ? int(std::strlen(name)) : 0; }

void CheckLoaded(WaveLoader& loader, WaveId id, std::size_t inputSize) {
    std::uint32_t size = 0, rate = 0;
    const unsigned char* data = nullptr;
    unsigned char header[18];
    int format = 0;
    fuzz::Require(GetWaveSize(loader, id, &size) == kWaveSuccess && size > 0 && size <= inputSize);
    fuzz::Require(GetWaveData(loader, id, &data) == kWaveSuccess && data != nullptr);
    fuzz::Require(GetWaveFrequency(loader, id, &rate) == kWaveSuccess);
    fuzz::Require(GetWaveFormatEx(loader, id, header) == kWaveSuccess);
    const WaveResult mapped = GetWaveBufferFormat(loader, id, LookUp, &format);
    fuzz::Require(mapped == kWaveSuccess ? format > 0 : mapped == kWaveInvalidFileType && format == 0);
    volatile unsigned char sum = 0;
    for (std::uint32_t i = 0; i < size; ++i) sum = sum + data[i];  // every byte is readable
    fuzz::Require(DeleteWave(loader, id) == kWaveSuccess);
}

// Reads to the end in uneven pieces, then once more after a seek.
void CheckStreamed(WaveLoader& loader, WaveId id, std::size_t inputSize) {
    std::uint32_t size = 0;
    fuzz::Require(GetWaveSize(loader, id, &size) == kWaveSuccess);
    std::vector<unsigned char> buffer(777);
    std::size_t total = 0, count = 0;
    do {
        fuzz::Require(ReadWaveData(loader, id, buffer.data(), buffer.size(), &count) == kWaveSuccess);
        fuzz::Require(count <= buffer.size());
        total += count;
    } while (count > 0);
    fuzz::Require(total <= size && total <= inputSize);
    fuzz::Require(SeekWaveData(loader, id, size / 2) == kWaveSuccess);
    fuzz::Require(ReadWaveData(loader, id, buffer.data(), buffer.size(), &count) == kWaveSuccess);
    fuzz::Require(count <= size - size / 2);
    fuzz::Require(DeleteWave(loader, id) == kWaveSuccess);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    WaveLoader loader;
    WaveId id = -1;
    if (LoadWaveFromMemory(loader, {data, size}, id) == kWaveSuccess) CheckLoaded(loader, id, size);
    const std::string& path = fuzz::WriteInput(data, size);
    if (LoadWave(loader, path, id) == kWaveSuccess) CheckLoaded(loader, id, size);
    if (OpenWave(loader, path, id) == kWaveSuccess) CheckStreamed(loader, id, size);
    for (const auto& slot : loader.slots) fuzz::Require(slot == nullptr);
    return 0;
}
