// The key digest, and the file cipher on 1 MiB against OpenSSL's Triple DES alone on the same
// bytes in memory: the ratio shows what moving the blocks between files costs.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/FileCipher.h"
#include "data/MemoryFileSystem.h"

namespace {

using namespace ftb::data;

constexpr std::size_t kFileSize = 1 << 20;

const FileKey& Key() {
    static const FileKey key = MakeFileKey("31415926535");
    return key;
}

std::string Plain() { return std::string(kFileSize, '\x5A'); }

std::filesystem::path& Dir() {
    static std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                       ("ftb-bench-cipher-" + std::to_string(::getpid()));
    return dir;
}

std::string PathOf(const char* name) { return (Dir() / name).string(); }

void BM_MakeFileKey(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(MakeFileKey("31415926535"));
}
BENCHMARK(BM_MakeFileKey);

void BM_RawTripleDes(benchmark::State& state) {
    std::vector<unsigned char> in(kFileSize, 0x5A), out(kFileSize);
    for (auto _ : state) {
        EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
        int produced = 0;
        if (!context ||
            EVP_EncryptInit_ex(context, EVP_des_ede_ecb(), nullptr, Key().data(), nullptr) != 1 ||
            EVP_CIPHER_CTX_set_padding(context, 0) != 1 ||
            EVP_EncryptUpdate(context, out.data(), &produced, in.data(), kFileSize) != 1)
            state.SkipWithError("OpenSSL failed");
        EVP_CIPHER_CTX_free(context);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_RawTripleDes)->Unit(benchmark::kMillisecond);

void BM_EncryptFile(benchmark::State& state) {
    for (auto _ : state) EncryptFile(RealFileSystem(), PathOf("plain"), PathOf("cipher"), Key());
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_EncryptFile)->Unit(benchmark::kMillisecond);

void BM_DecryptFile(benchmark::State& state) {
    for (auto _ : state) DecryptFile(RealFileSystem(), PathOf("cipher"), PathOf("back"), Key());
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_DecryptFile)->Unit(benchmark::kMillisecond);

// The same in memory: the cipher and the chunked transfer without the disk.
void BM_EncryptFileInMemory(benchmark::State& state) {
    MemoryFileSystem files;
    files.SetContents("plain", Plain());
    for (auto _ : state) EncryptFile(files, "plain", "cipher", Key());
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_EncryptFileInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::filesystem::create_directories(Dir());
    std::ofstream(PathOf("plain"), std::ios::binary) << Plain();
    EncryptFile(RealFileSystem(), PathOf("plain"), PathOf("cipher"), Key());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Dir());
    return 0;
}
