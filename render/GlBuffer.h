#pragma once
// One array of vertex data or indices kept by OpenGL between paints, so that a repaint of
// a large model sends nothing but the draw calls. The object lives in the context that
// was current when it was stored; release() it there. The destructor makes no OpenGL
// call: the context may already be gone, and its objects with it.
#include <cstddef>
#include <vector>

namespace vellum {

class GlBuffer {
public:
    enum class Kind { vertices, indices };

    GlBuffer() = default;
    ~GlBuffer() = default;
    GlBuffer(const GlBuffer&) = delete;
    GlBuffer& operator=(const GlBuffer&) = delete;
    GlBuffer(GlBuffer&& other) noexcept;
    GlBuffer& operator=(GlBuffer&& other) noexcept;

    // Replaces the contents. Where the context has no buffer objects, or cannot hold this
    // many bytes, the data stays in memory here and is drawn from there.
    void store(Kind kind, const void* data, size_t bytes);
    template <class T>
    void store(Kind kind, const std::vector<T>& data) {
        store(kind, data.data(), data.size() * sizeof(T));
    }

    // Keeps the contents in memory here, never in a buffer object: for data that is also
    // read by the program, on a software rasteriser where buffer objects are memory too.
    void storeInMemory(Kind kind, const void* data, size_t bytes);
    template <class T>
    void storeInMemory(Kind kind, const std::vector<T>& data) {
        storeInMemory(kind, data.data(), data.size() * sizeof(T));
    }
    // The contents when they are kept in memory here, or null.
    const void* memory() const { return id_ == 0 && bytes_ != 0 ? inMemory_.data() : nullptr; }

    // Binds the buffer to its target and gives what gl*Pointer or glDrawElements take for
    // the byte `offset` within it.
    const void* bind(size_t offset = 0) const;
    // Deletes the buffer object; the context it was stored in must be current.
    void release();
    bool empty() const { return bytes_ == 0; }

private:
    unsigned target() const;

    Kind kind_ = Kind::vertices;
    unsigned id_ = 0;
    size_t bytes_ = 0;
    std::vector<unsigned char> inMemory_;
};

// Whether the current context rasterises in software (Mesa's llvmpipe or softpipe), where
// buffer objects are plain memory that storing only fills and copies once more.
bool softwareRasteriser();

// Unbinds both buffer targets so that later arrays in client memory are read as pointers.
void unbindGlBuffers();

} // namespace vellum
