#include "vector/VectorPicture.h"

#include "common/FileIo.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "render/BodyArrays.h"
#include "render/DrawingBox.h"
#include "render/GraphGeometry.h"
#include "render/SceneContext.h"
#include "settings/ViewSettings.h"
#include "vector/CairoFont.h"
#include "vector/CairoPainter.h"
#include "vector/FaceRaster.h"
#include "vector/SceneCollector.h"
#include "vector/SvgText.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

namespace vellum {
namespace {

constexpr std::string_view kExportFailed = TX("イメージのエクスポートに失敗しました");
constexpr std::string_view kUnknownExtension = TX("ファイルの拡張子が不明です");

// Above this many triangles the graph body goes into the file as one image (the legend,
// the axes symbol and every text stay vector): paths for each of a million faces would
// make a file of hundreds of megabytes that viewers open slowly, and show nothing more
// at the picture's size.
constexpr size_t kImageBodyTriangles = 200000;

// The graph body's image holds at most this many pixels (eight bytes each while drawn);
// a larger page gets a coarser image rather than gigabytes of memory.
constexpr double kLargestBodyImage = 64.0 * 1024 * 1024;
// Pages larger than this on a side (in units of the file) are refused: no viewer shows them.
constexpr double kLargestPageSide = 200000.0;

size_t bodyTriangles(const DataSet& dataSet) {
    size_t count = 0;
    for (const ElementRecord& element : dataSet.elements) {
        if (!elementUsable(dataSet, element)) continue;
        for (size_t f = 0; f < element.faceCount; ++f)
            if (const FacePattern* face = elementFace(element, f)) count += face->count == 3 ? 1 : 2;
    }
    return count;
}

// The raster's pixels as an image the vector surface can take.
void paintRaster(cairo_t* cr, FaceRaster& raster, double scale) {
    if (raster.width() <= 0 || raster.height() <= 0) return;
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, raster.width());
    if (stride != raster.width() * 4) return;
    cairo_surface_t* image =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(raster.pixels().data()),
                                            CAIRO_FORMAT_ARGB32, raster.width(), raster.height(), stride);
    cairo_save(cr);
    cairo_scale(cr, 1.0 / scale, 1.0 / scale);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);
}

bool endsWithCaseBlind(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    for (size_t i = 0; i < ending.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - ending.size() + i])) != ending[i]) return false;
    return true;
}

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

Surface createSurface(VectorFormat format, const std::string& path, double width, double height) {
    if (format == VectorFormat::Pdf) return Surface(cairo_pdf_surface_create(path.c_str(), width, height));
    Surface svg(cairo_svg_surface_create(path.c_str(), width, height));
    // One unit of the file is one pixel of the picture, as the raster images have it.
    if (cairo_surface_status(svg.get()) == CAIRO_STATUS_SUCCESS)
        cairo_svg_surface_set_document_unit(svg.get(), CAIRO_SVG_UNIT_PX);
    return svg;
}

// Draws the picture; the texts of an SVG are added to `svgTexts` as they are placed.
void drawPicture(cairo_t* cr, VectorFormat format, const ViewSettings& settings, const VectorRequest& request, Ui& ui,
                 std::string& svgTexts) {
    cairo_scale(cr, request.scale, request.scale);
    if (!request.transparent) {
        const RGBColor& back = settings.BACKCOLOR;
        cairo_set_source_rgb(cr, back.red / 255.0, back.green / 255.0, back.blue / 255.0);
        cairo_rectangle(cr, 0, 0, request.width, request.height);
        cairo_fill(cr);
    }
    if (!request.dataSet) return;
    // Nothing outside the drawing area, as the window clips it.
    cairo_rectangle(cr, 0, 0, request.width, request.height);
    cairo_clip(cr);

    const DrawingBox box = ComputeDrawingBox(*request.dataSet, settings, request.state.dataType);
    const SceneContext context{*request.dataSet, settings, request.state, box, 1.0};
    std::unique_ptr<FaceRaster> raster;
    if (bodyTriangles(*request.dataSet) > kImageBodyTriangles)
        raster = std::make_unique<FaceRaster>(
            request.width, request.height,
            std::min(request.scale, std::sqrt(kLargestBodyImage / (double(request.width) * request.height))));
    VectorScene scene;
    CollectRequest collect;
    collect.width = request.width;
    collect.height = request.height;
    collect.withText = request.withText;
    collect.pins = &request.pins;
    collect.bodyRaster = raster.get();
    collectScene(context, collect, scene, ui);
    scene.order(request.width, request.height);

    std::unique_ptr<CairoFont> font;
    if (request.withText) font = std::make_unique<CairoFont>(request.font ? *request.font : findJapaneseGothicFont());
    const Shading shading = format == VectorFormat::Pdf ? Shading::Mesh : Shading::Gradients;
    cairo_font_face_t* face = font ? font->face() : nullptr;
    std::vector<PlacedText> placed;
    std::vector<PlacedText>* texts = format == VectorFormat::Svg ? &placed : nullptr;
    if (!raster) {
        paintScene(cr, scene, face, shading, PaintRange{}, texts);
    } else {
        paintScene(cr, scene, face, shading, PaintRange{kLegendLayer, kGraphLayer}, texts);
        paintRaster(cr, *raster, raster->scale());
        paintScene(cr, scene, face, shading, PaintRange{kGraphLayer}, texts);
    }
    if (font) svgTexts = svgTextElements(placed, font->familyName());
}

} // namespace

VectorFormat vectorFormatForPath(std::string_view path) {
    if (endsWithCaseBlind(path, ".svg")) return VectorFormat::Svg;
    if (endsWithCaseBlind(path, ".pdf")) return VectorFormat::Pdf;
    return VectorFormat::None;
}

int ExportVectorPicture(Ui& ui, const std::string& path, const ViewSettings& settings, const VectorRequest& request) {
    const VectorFormat format = vectorFormatForPath(path);
    if (format == VectorFormat::None) {
        ui.showMessage(kUnknownExtension);
        return 1;
    }
    const bool sized = request.width > 0 && request.height > 0 && request.scale > 0.0 &&
                       request.width * request.scale <= kLargestPageSide &&
                       request.height * request.scale <= kLargestPageSide;
    AtomicFile file(path);
    if (!sized || file.temporaryPath().empty()) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    bool written = false;
    std::string svgTexts;
    {
        Surface surface = createSurface(format, file.temporaryPath(), request.width * request.scale,
                                        request.height * request.scale);
        if (cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS) {
            {
                Context cr(cairo_create(surface.get()));
                drawPicture(cr.get(), format, settings, request, ui, svgTexts);
                written = cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
            }
            cairo_surface_finish(surface.get());
            written = written && cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS;
        }
    }
    if (written && !svgTexts.empty()) written = insertIntoSvg(file.temporaryPath(), svgTexts);
    if (!written || !file.commit()) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    return 0;
}

} // namespace vellum
