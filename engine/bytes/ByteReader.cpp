#include "bytes/ByteReader.h"

#include <algorithm>
#include <cstring>

namespace {
// Lets an empty reader hand out valid (zero-length) pointers.
const std::uint8_t kNoBytes[1] = {0};
}  // namespace

ByteReader::ByteReader() : ByteReader(nullptr, 0) {}

ByteReader::ByteReader(const std::uint8_t* data, std::size_t size)
    : buf_(data ? data : kNoBytes),
      cur_(buf_),
      end_(buf_ + (data ? size : 0)),
      filled_(end_),
      size_(data ? size : 0),
      limit_(size_),
      file_(nullptr, &std::fclose) {}

ByteReader::ByteReader(const std::vector<std::uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

ByteReader::ByteReader(ByteReader&& other) noexcept : ByteReader() { *this = std::move(other); }

ByteReader& ByteReader::operator=(ByteReader&& other) noexcept {
    if (this == &other)
        return *this;
    buf_ = other.buf_;
    cur_ = other.cur_;
    end_ = other.end_;
    filled_ = other.filled_;
    base_ = other.base_;
    size_ = other.size_;
    limit_ = other.limit_;
    file_ = std::move(other.file_);
    storage_ = std::move(other.storage_);
    capacity_ = other.capacity_;
    filePos_ = other.filePos_;
    other.buf_ = other.cur_ = other.end_ = other.filled_ = kNoBytes;
    other.base_ = other.size_ = other.limit_ = other.capacity_ = other.filePos_ = 0;
    return *this;
}

ByteReader::~ByteReader() = default;

bool ByteReader::open(const std::string& path, std::size_t bufferSize) {
    *this = ByteReader();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    // The reader does its own buffering; stdio's would only add a copy.
    if (!file || std::setvbuf(file.get(), nullptr, _IONBF, 0) != 0 || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0)
        return false;
    capacity_ = std::max(bufferSize, kMinBufferSize);
    storage_.reset(new std::uint8_t[capacity_]);
    buf_ = storage_.get();
    file_ = std::move(file);
    filePos_ = size_ = limit_ = static_cast<std::size_t>(size);
    restartAt(0);
    return true;
}

bool ByteReader::read_u16(std::uint16_t& out) {
    const std::uint8_t* p = take(2);
    if (!p)
        return false;
    out = u16At(p);
    return true;
}

bool ByteReader::read_u32(std::uint32_t& out) {
    const std::uint8_t* p = take(4);
    if (!p)
        return false;
    out = u32At(p);
    return true;
}

bool ByteReader::read_i32(std::int32_t& out) {
    std::uint32_t bits;
    if (!read_u32(bits))
        return false;
    out = static_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::read_f32(float& out) {
    const std::uint8_t* p = take(4);
    if (!p)
        return false;
    out = f32At(p);
    return true;
}

bool ByteReader::read_bytes(std::uint8_t* out, std::size_t n) {
    if (n > remaining())
        return false;
    const std::size_t start = position();
    const std::size_t atHand = std::min(n, static_cast<std::size_t>(end_ - cur_));
    if (atHand > 0)
        std::memcpy(out, cur_, atHand);
    cur_ += atHand;
    out += atHand;
    std::size_t rest = n - atHand;
    if (rest == 0)
        return true;
    // Only a file gets here: a span holds every byte up to the fence.
    if (rest < capacity_) {
        if (refill() && static_cast<std::size_t>(end_ - cur_) >= rest) {
            std::memcpy(out, cur_, rest);
            cur_ += rest;
            return true;
        }
    } else {
        // Large reads skip the buffer and land in place.
        const std::size_t from = position();
        if (filePos_ == from || std::fseek(file_.get(), static_cast<long>(from), SEEK_SET) == 0) {
            const std::size_t got = std::fread(out, 1, rest, file_.get());
            filePos_ = from + got;
            restartAt(from + got);
            if (got == rest)
                return true;
        }
    }
    restartAt(start);
    return false;
}

bool ByteReader::skip(std::size_t n) {
    if (n > remaining())
        return false;
    if (n <= static_cast<std::size_t>(end_ - cur_))
        cur_ += n;
    else
        restartAt(position() + n);
    return true;
}

bool ByteReader::seek(std::size_t offset) {
    if (offset > limit_)
        return false;
    if (offset >= base_ && offset - base_ <= static_cast<std::size_t>(filled_ - buf_))
        cur_ = buf_ + (offset - base_);
    else
        restartAt(offset);
    return true;
}

std::size_t ByteReader::fence(std::size_t end) {
    const std::size_t previous = limit_;
    limit_ = std::min(std::max(end, position()), size_);
    setEnd();
    return previous;
}

bool ByteReader::refillRead(std::uint8_t& out) {
    if (!file_ || position() >= limit_ || !refill() || cur_ == end_)
        return false;
    out = *cur_++;
    return true;
}

const std::uint8_t* ByteReader::takeSlow(std::size_t n) {
    if (!file_ || n > remaining() || n > capacity_ || !refill() || static_cast<std::size_t>(end_ - cur_) < n)
        return nullptr;
    const std::uint8_t* p = cur_;
    cur_ += n;
    return p;
}

bool ByteReader::refill() {
    if (!file_)
        return false;
    const std::size_t kept = static_cast<std::size_t>(filled_ - cur_);
    std::uint8_t* storage = storage_.get();
    std::memmove(storage, cur_, kept);
    base_ = position();
    cur_ = buf_;
    filled_ = buf_ + kept;
    const std::size_t from = base_ + kept;
    const std::size_t want = std::min(capacity_ - kept, size_ - std::min(from, size_));
    std::size_t got = 0;
    if (want > 0 && (filePos_ == from || std::fseek(file_.get(), static_cast<long>(from), SEEK_SET) == 0)) {
        got = std::fread(storage + kept, 1, want, file_.get());
        filePos_ = from + got;
    }
    filled_ += got;
    setEnd();
    return got > 0;
}

void ByteReader::restartAt(std::size_t offset) {
    base_ = offset;
    cur_ = filled_ = end_ = buf_;
}

void ByteReader::setEnd() { end_ = buf_ + std::min(static_cast<std::size_t>(filled_ - buf_), limit_ - base_); }
