#include "bitmap32.h"

#include <sanitizer/asan_interface.h>
#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_map>
#include <utility>

namespace tessary {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Pictures from kMinPooledBytes up to kMaxPooledBytes (element images) share huge pages, many
// to a page; larger ones get huge pages of their own, smaller ones come from malloc.
constexpr std::size_t kMinPooledBytes = std::size_t{16} << 10;
constexpr std::size_t kMaxPooledBytes = std::size_t{256} << 10;
constexpr std::size_t kBlockAlign = 64;

// Huge-page-aligned memory of `bytes` (a multiple of kHugePage) advised to live on huge pages:
// in 4 KB pages the first write to every page costs a page fault, which for the field picture
// and for ten thousand element images outweighs drawing them. Mapped directly, so that it goes
// back to the system when released. Null when out of memory.
void* MapHugePages(std::size_t bytes) {
    const std::size_t mapped = bytes + kHugePage;
    void* memory =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(std::uintptr_t{kHugePage} - 1);
    if (aligned != start)
        ::munmap(memory, aligned - start);
    if (const std::uintptr_t end = start + mapped; end != aligned + bytes)
        ::munmap(reinterpret_cast<void*>(aligned + bytes), end - (aligned + bytes));
    void* pixels = reinterpret_cast<void*>(aligned);
    ::madvise(pixels, bytes, MADV_HUGEPAGE);  // only advice: without it pages are small
    return pixels;
}

// One huge page holding up to 128 blocks of one size; this header sits at its start.
struct Chunk {
    static constexpr std::size_t kHeaderBytes = 64;
    static constexpr int kMaxBlocks = 128;  // kHugePage / kMinPooledBytes

    std::size_t blockBytes = 0;
    int blockCount = 0;
    int used = 0;
    std::array<std::uint64_t, 2> freeBlocks{};  // bit i set: block i is free
    Chunk* prev = nullptr;                      // in its pool's list of chunks with a free block
    Chunk* next = nullptr;

    bool isFull() const { return used == blockCount; }
    std::byte* block(int i) {
        return reinterpret_cast<std::byte*>(this) + kHeaderBytes +
               static_cast<std::size_t>(i) * blockBytes;
    }
};
static_assert(sizeof(Chunk) <= Chunk::kHeaderBytes);
static_assert(kHugePage / kMinPooledBytes <= Chunk::kMaxBlocks);

// Blocks of pixel memory carved from huge pages, one list of chunks with free blocks per block
// size. A chunk goes back to the system when its last block is released. Blocks handed out
// are poisoned for the address sanitizer outside their `bytes`.
class BlockPool {
public:
    void* allocate(std::size_t bytes) {
        const std::size_t blockBytes = (bytes + kBlockAlign - 1) / kBlockAlign * kBlockAlign;
        const std::lock_guard lock(mutex_);
        Chunk*& head = withFreeBlocks_[blockBytes];
        if (head == nullptr) {
            head = newChunk(blockBytes);
            if (head == nullptr)
                return nullptr;
        }
        Chunk* chunk = head;
        const int word = chunk->freeBlocks[0] != 0 ? 0 : 1;
        const int bit = std::countr_zero(chunk->freeBlocks[word]);
        chunk->freeBlocks[word] &= ~(std::uint64_t{1} << bit);
        ++chunk->used;
        if (chunk->isFull())
            unlink(head, chunk);
        std::byte* block = chunk->block(64 * word + bit);
        ASAN_UNPOISON_MEMORY_REGION(block, bytes);
        return block;
    }

    void release(void* memory, std::size_t bytes) {
        auto* chunk = reinterpret_cast<Chunk*>(reinterpret_cast<std::uintptr_t>(memory) &
                                               ~(std::uintptr_t{kHugePage} - 1));
        ASAN_POISON_MEMORY_REGION(memory, bytes);
        const std::lock_guard lock(mutex_);
        Chunk*& head = withFreeBlocks_[chunk->blockBytes];
        const auto i = static_cast<int>((static_cast<std::byte*>(memory) - chunk->block(0)) /
                                        static_cast<std::ptrdiff_t>(chunk->blockBytes));
        const bool wasFull = chunk->isFull();
        chunk->freeBlocks[i / 64] |= std::uint64_t{1} << (i % 64);
        --chunk->used;
        if (chunk->used == 0) {
            if (!wasFull)
                unlink(head, chunk);
            ASAN_UNPOISON_MEMORY_REGION(chunk, kHugePage);
            ::munmap(chunk, kHugePage);
        } else if (wasFull) {
            chunk->next = head;
            if (head != nullptr)
                head->prev = chunk;
            head = chunk;
        }
    }

private:
    static Chunk* newChunk(std::size_t blockBytes) {
        void* memory = MapHugePages(kHugePage);
        if (memory == nullptr)
            return nullptr;
        auto* chunk = new (memory) Chunk;
        chunk->blockBytes = blockBytes;
        chunk->blockCount = static_cast<int>((kHugePage - Chunk::kHeaderBytes) / blockBytes);
        for (int i = 0; i < chunk->blockCount; ++i)
            chunk->freeBlocks[i / 64] |= std::uint64_t{1} << (i % 64);
        ASAN_POISON_MEMORY_REGION(chunk->block(0), kHugePage - Chunk::kHeaderBytes);
        return chunk;
    }

    static void unlink(Chunk*& head, Chunk* chunk) {
        if (chunk->prev != nullptr)
            chunk->prev->next = chunk->next;
        else
            head = chunk->next;
        if (chunk->next != nullptr)
            chunk->next->prev = chunk->prev;
        chunk->prev = chunk->next = nullptr;
    }

    std::mutex mutex_;
    std::unordered_map<std::size_t, Chunk*> withFreeBlocks_;
};

// Never destroyed: pictures in static storage may be released after it would have been.
BlockPool& ThePool() {
    static BlockPool* pool = new BlockPool;
    return *pool;
}

bool IsPooled(std::size_t bytes) {
    return bytes >= kMinPooledBytes && bytes <= kMaxPooledBytes;
}

std::size_t HugePagesFor(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// Memory for `bytes` of pixels, given back by ReleasePixels with the same size; throws
// std::bad_alloc.
uint32_t* AllocatePixels(std::size_t bytes) {
    void* memory = nullptr;
    if (IsPooled(bytes))
        memory = ThePool().allocate(bytes);
    else if (bytes > kMaxPooledBytes)
        memory = MapHugePages(HugePagesFor(bytes));
    else
        memory = std::malloc(bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
    return static_cast<uint32_t*>(memory);
}

}  // namespace

void Bitmap32::PixelRelease::operator()(uint32_t* p) const {
    if (IsPooled(bytes))
        ThePool().release(p, bytes);
    else if (bytes > kMaxPooledBytes)
        ::munmap(p, HugePagesFor(bytes));
    else
        std::free(p);
}

Bitmap32::Bitmap32(int width, int height, UndefinedPixels) : width_(width), height_(height) {
    const std::size_t bytes = pixelCount() * sizeof(uint32_t);
    if (bytes != 0)
        pixels_ =
            std::unique_ptr<uint32_t[], PixelRelease>(AllocatePixels(bytes), PixelRelease{bytes});
}

Bitmap32::Bitmap32(int width, int height, uint32_t fill)
    : Bitmap32(width, height, UndefinedPixels{}) {
    this->fill(fill);
}

Bitmap32 Bitmap32::Uninitialised(int width, int height) {
    return Bitmap32(width, height, UndefinedPixels{});
}

Bitmap32::Bitmap32(const Bitmap32& other)
    : Bitmap32(other.width_, other.height_, UndefinedPixels{}) {
    if (pixels_)
        std::memcpy(pixels_.get(), other.pixels_.get(), pixelCount() * sizeof(uint32_t));
}

Bitmap32& Bitmap32::operator=(const Bitmap32& other) {
    if (this != &other) {
        Bitmap32 copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Bitmap32::Bitmap32(Bitmap32&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)) {}

Bitmap32& Bitmap32::operator=(Bitmap32&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        pixels_ = std::move(other.pixels_);
    }
    return *this;
}

void Bitmap32::fill(uint32_t value) {
    const std::span<uint32_t> all = pixels();
    std::fill(all.begin(), all.end(), value);
}

bool operator==(const Bitmap32& a, const Bitmap32& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_)
        return false;
    const std::span<const uint32_t> pa = a.pixels(), pb = b.pixels();
    return std::equal(pa.begin(), pa.end(), pb.begin());
}

}  // namespace tessary
