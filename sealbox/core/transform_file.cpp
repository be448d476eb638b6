#include "sealbox/core/transform_file.h"

#include <algorithm>
#include <functional>

#include "runtime/errors/run_error.h"
#include "runtime/files/safe_file_writer.h"
#include "sealbox/core/background_writer.h"
#include "sealbox/core/file_call_thread.h"

namespace vortalis::sealbox {
namespace {

void ThrowOnError(std::error_code error, const std::filesystem::path& path,
                  FileStep step = FileStep::Writing) {
    if (error) throw FileError(error, path, step);
}

// The original, open for reading; closed whatever happens.
class SourceFile {
  public:
    SourceFile(const std::filesystem::path& path, FileSystem& files) : path_(path), files_(files) {
        ThrowOnError(files_.OpenForReading(path_, handle_), path_, FileStep::Reading);
    }
    ~SourceFile() { Close(); }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    // From here on no other program may write the file while it is read. A file
    // rewritten in place is written by the program's own writer, which keeps
    // the others out itself.
    void KeepOtherWritersOut() {
        FileSystem::Handle guarded = FileSystem::kNoHandle;
        ThrowOnError(files_.OpenForReading(path_, guarded, OtherWriters::KeptOut), path_,
                     FileStep::Reading);
        Close();
        handle_ = guarded;
    }

    // The open file's, not whatever the path may name by now.
    std::uint64_t Length() {
        FileStatus status;
        ThrowOnError(files_.StatusOf(handle_, status), path_, FileStep::Reading);
        return status.size;
    }

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) {
        std::size_t count = 0;
        ThrowOnError(files_.ReadAt(handle_, offset, bytes, count), path_, FileStep::Reading);
        return count;
    }

    void Close() {
        if (handle_ != FileSystem::kNoHandle) files_.Close(handle_);
        handle_ = FileSystem::kNoHandle;
    }

  private:
    const std::filesystem::path& path_;
    FileSystem& files_;
    FileSystem::Handle handle_ = FileSystem::kNoHandle;
};

// Transforms the blocks of one chunk in place, a step for each. A chunk that came
// short holds the file's end: its last block is the final one, and when the file's
// length is a multiple of 512 that final block is empty but still a pass.
void TransformChunk(std::span<std::uint8_t> chunk, bool holdsTheEnd, KeyedShiftCipher& cipher,
                    TransformProgress& progress) {
    for (std::size_t at = 0; at < chunk.size(); at += kTransformBlockBytes) {
        const auto block = chunk.subspan(at, std::min(kTransformBlockBytes, chunk.size() - at));
        progress.Step();
        cipher.Transform(block, block);
    }
    if (holdsTheEnd && chunk.size() % kTransformBlockBytes == 0) {
        progress.Step();
        cipher.Transform(chunk.last(0), chunk.last(0));
    }
}

}  // namespace

TransformResult TransformFile(const std::filesystem::path& path, std::string_view password,
                              CipherMode mode, TransformProgress& progress,
                              const LossConfirmation& confirmLoss, FileSystem& files) {
    KeyedShiftCipher cipher;
    cipher.Start(password, mode);

    // The calls whose time grows with the file, or with a slow disk or share,
    // run aside while the calling thread keeps alive.
    const std::function<void()> keepAlive = [&progress] { progress.KeepAlive(); };
    FileCallThread aside(keepAlive);
    SourceFile source(path, files);
    SafeFileWriter writer(path, files);
    ThrowOnError(aside.Run([&writer] { return writer.Open(); }), path);
    if (!writer.InPlace()) source.KeepOtherWritersOut();
    progress.Begin(1, source.Length() / kTransformBlockBytes + 2);

    // Each chunk is written while the next is read and transformed; whatever
    // throws here stops the writes before the writer drops its file.
    BackgroundWriter background(writer, kTransformChunkBytes, keepAlive);
    for (std::uint64_t offset = 0;; offset += kTransformChunkBytes) {
        const auto buffer = background.FreeBuffer();
        const std::size_t count = aside.Run([&] { return source.ReadAt(offset, buffer); });
        const bool holdsTheEnd = count < kTransformChunkBytes;
        TransformChunk(buffer.first(count), holdsTheEnd, cipher, progress);
        progress.KeepAlive();
        ThrowOnError(background.Queue(count), path);
        if (holdsTheEnd) break;
    }
    ThrowOnError(background.Finish(), path);

    const std::uint64_t lost = cipher.UnrecoverableBytes();
    if (mode == CipherMode::Encipher && lost > 0 && confirmLoss && !confirmLoss(lost)) {
        ThrowOnError(aside.Run([&writer] { return writer.Discard(); }), path);
        return TransformResult::LeftUntouched;
    }
    // Windows replaces no file that is still open for reading.
    source.Close();
    ThrowOnError(aside.Run([&writer] { return writer.Commit(); }), path);
    return TransformResult::Rewritten;
}

}  // namespace vortalis::sealbox
