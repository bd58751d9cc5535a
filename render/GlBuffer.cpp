#include "render/GlBuffer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>

namespace vellum {
namespace {

// Buffer objects came with OpenGL 1.5; any compatibility context of today has them.
bool contextHasBuffers() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
    return major > 1 || (major == 1 && minor >= 5);
}

} // namespace

GlBuffer::GlBuffer(GlBuffer&& other) noexcept
    : kind_(other.kind_), id_(std::exchange(other.id_, 0u)), bytes_(std::exchange(other.bytes_, size_t{0})),
      inMemory_(std::move(other.inMemory_)) {}

GlBuffer& GlBuffer::operator=(GlBuffer&& other) noexcept {
    if (this != &other) {
        kind_ = other.kind_;
        id_ = std::exchange(other.id_, 0u);
        bytes_ = std::exchange(other.bytes_, size_t{0});
        inMemory_ = std::move(other.inMemory_);
    }
    return *this;
}

unsigned GlBuffer::target() const {
    return kind_ == Kind::indices ? GL_ELEMENT_ARRAY_BUFFER : GL_ARRAY_BUFFER;
}

void GlBuffer::store(Kind kind, const void* data, size_t bytes) {
    release();
    kind_ = kind;
    bytes_ = bytes;
    if (bytes == 0) return;
    if (contextHasBuffers() && bytes <= static_cast<size_t>(INT32_MAX)) {
        GLuint id = 0;
        glGenBuffers(1, &id);
        if (id != 0) {
            glBindBuffer(target(), id);
            glBufferData(target(), static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
            GLint stored = 0;
            glGetBufferParameteriv(target(), GL_BUFFER_SIZE, &stored);
            glBindBuffer(target(), 0);
            // Out of memory leaves the buffer without storage: keep the data here instead.
            if (static_cast<size_t>(stored) == bytes) {
                id_ = id;
                return;
            }
            glDeleteBuffers(1, &id);
        }
    }
    storeInMemory(kind, data, bytes);
}

void GlBuffer::storeInMemory(Kind kind, const void* data, size_t bytes) {
    release();
    kind_ = kind;
    bytes_ = bytes;
    const auto* begin = static_cast<const unsigned char*>(data);
    inMemory_.assign(begin, begin + bytes);
}

const void* GlBuffer::bind(size_t offset) const {
    if (id_ != 0) {
        glBindBuffer(target(), id_);
        return reinterpret_cast<const void*>(static_cast<uintptr_t>(offset));
    }
    if (contextHasBuffers()) glBindBuffer(target(), 0);
    return inMemory_.data() + offset;
}

void GlBuffer::release() {
    if (id_ != 0) {
        const GLuint id = id_;
        glDeleteBuffers(1, &id);
        id_ = 0;
    }
    bytes_ = 0;
    inMemory_.clear();
    inMemory_.shrink_to_fit();
}

bool softwareRasteriser() {
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!renderer) return false;
    const std::string_view name(renderer);
    for (const std::string_view software : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"})
        if (name.find(software) != std::string_view::npos) return true;
    return false;
}

void unbindGlBuffers() {
    if (!contextHasBuffers()) return;
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

} // namespace vellum
