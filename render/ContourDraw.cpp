#include "render/ContourDraw.h"

#include "render/ColourMap.h"
#include "render/ContourMesh.h"
#include "render/SceneHooks.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

#include <vector>

namespace vellum {
namespace {

// Collects the pieces into vertex arrays and hands them to OpenGL in large batches: a
// million-node contour graph is millions of triangles.
class GlContourSink : public ContourSink {
public:
    GlContourSink(const ContourLevels& levels, const GraphPass& pass, const UserColours& look) {
        const GraphOptionSet& options = *pass.options;
        const int n = levels.divisions();
        for (int band = 0; band <= n + 1; ++band)
            bandColours_.push_back(colourForCode(pass.colourCode, levels.bandValue(band), look));
        for (int i = 0; i <= n; ++i)
            levelColours_.push_back(options.CONTMODE == 1 ? colourOf(options.CONTCOLOR)
                                                          : colourForCode(pass.colourCode, levels.level(i), look));
    }
    ~GlContourSink() override { flush(); }
    GlContourSink(const GlContourSink&) = delete;
    GlContourSink& operator=(const GlContourSink&) = delete;

    void fill(const Point3* corners, int count, int band) override {
        const Colour& colour = band == kWhiteBand ? kWhite : bandColours_[static_cast<size_t>(band)];
        // A convex polygon as a fan of triangles.
        for (int i = 1; i + 1 < count; ++i) {
            add(fills_, corners[0], colour);
            add(fills_, corners[i], colour);
            add(fills_, corners[i + 1], colour);
        }
        if (fills_.size() >= kBatchFloats) flush();
    }
    void line(const Point3& from, const Point3& to, int level) override {
        const Colour& colour = levelColours_[static_cast<size_t>(level)];
        add(lines_, from, colour);
        add(lines_, to, colour);
        if (lines_.size() >= kBatchFloats) flush();
    }

    void flush() {
        draw(GL_TRIANGLES, fills_);
        draw(GL_LINES, lines_);
    }

private:
    static constexpr size_t kFloatsPerVertex = 6; // x, y, z, red, green, blue
    static constexpr size_t kBatchFloats = 65536 * kFloatsPerVertex;
    static constexpr Colour kWhite{1.0f, 1.0f, 1.0f};

    static void add(std::vector<float>& batch, const Point3& p, const Colour& c) {
        batch.insert(batch.end(), {static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2]),
                                   c.red, c.green, c.blue});
    }
    static void draw(GLenum mode, std::vector<float>& batch) {
        if (batch.empty()) return;
        const GLsizei stride = kFloatsPerVertex * sizeof(float);
        glVertexPointer(3, GL_FLOAT, stride, batch.data());
        glColorPointer(3, GL_FLOAT, stride, batch.data() + 3);
        glDrawArrays(mode, 0, static_cast<GLsizei>(batch.size() / kFloatsPerVertex));
        batch.clear();
    }

    std::vector<Colour> bandColours_, levelColours_;
    std::vector<float> fills_, lines_;
};

} // namespace

void drawContourPass(const SceneContext& scene, const GraphPass& pass, Ui& ui) {
    const GraphOptionSet& options = *pass.options;
    const ViewSettings& settings = scene.settings;
    ContourRun run;
    run.divisions = options.CONTNUM;
    run.fill = contourFillOf(options.CONT, pass.hide);
    run.column = settings.selectedColumn;
    run.legendMin = settings.MIN;
    run.legendMax = settings.MAX;
    run.flat = pass.projection;
    run.flatZ = pass.flatZ;
    const ContourLevels levels(run.divisions);
    if (levels.empty()) return;

    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glLineWidth(options.CONTWID > 0.0 ? static_cast<GLfloat>(options.CONTWID) : 1.0f);
    glLineStipple(1, options.contPattern());
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    {
        GlContourSink sink(levels, pass, settings.userColours);
        traceContours(scene.dataSet, ui, run, sink);
    }
    glPopClientAttrib();
    glPopAttrib();
}

} // namespace vellum
