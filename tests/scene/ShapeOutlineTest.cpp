// The Shapes scheme in grey: a board is drawn, turned to grey, and every
// piece's kind is told from its outline alone, as a player who cannot tell
// the colours apart has to.
#include "ViewerRig.h"

#include "scene/TGLCustomSceneObject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {
// The solids by kind, in the scheme's order (see BoardScene::addPiece).
enum Outline { Unknown, Cone, Cube, Octahedron, Ring, Star };
const char* const kOutlineNames[] = {"unknown", "cone", "cube", "octahedron", "ring", "star"};

// A connected patch of pixels that differ from the backdrop, or a piece's
// silhouette gathered from its patches.
struct Blob {
    std::vector<QPoint> pixels;
    QRect box;
};

// Pixels whose grey differs from the empty backdrop's grey. Where a smooth
// surface's shading passes through the backdrop's grey it leaves a seam one
// pixel wide: a pixel between two piece pixels is the piece's too.
std::vector<std::vector<bool>> Foreground(const QImage& grey, const QImage& backdrop)
{
    const int w = grey.width(), h = grey.height();
    std::vector<std::vector<bool>> raw(h, std::vector<bool>(w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            raw[y][x] = std::abs(qGray(grey.pixel(x, y)) - qGray(backdrop.pixel(x, y))) > 3;
    std::vector<std::vector<bool>> mask = raw;
    for (int y = 1; y + 1 < h; ++y)
        for (int x = 1; x + 1 < w; ++x)
            mask[y][x] = raw[y][x] || (raw[y][x - 1] && raw[y][x + 1]) || (raw[y - 1][x] && raw[y + 1][x]);
    return mask;
}

// 4-connected patches of the mask, flood-filled.
std::vector<Blob> Blobs(const std::vector<std::vector<bool>>& mask)
{
    const int h = int(mask.size()), w = int(mask[0].size());
    std::vector<std::vector<bool>> seen(h, std::vector<bool>(w));
    std::vector<Blob> blobs;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (!mask[y0][x0] || seen[y0][x0])
                continue;
            Blob b;
            std::vector<QPoint> todo{{x0, y0}};
            seen[y0][x0] = true;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                b.pixels.push_back(p);
                b.box |= QRect(p, QSize(1, 1));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() >= 0 && q.y() >= 0 && q.x() < w && q.y() < h && mask[q.y()][q.x()] && !seen[q.y()][q.x()]) {
                        seen[q.y()][q.x()] = true;
                        todo.push_back(q);
                    }
                }
            }
            blobs.push_back(std::move(b));
        }
    return blobs;
}

// The convex hull of the blob's pixel squares (monotone chain over their corners),
// counter-clockwise in image coordinates.
std::vector<QPoint> Hull(const Blob& b)
{
    std::vector<QPoint> pts;
    for (const QPoint p : b.pixels)
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            pts.push_back(p + d);
    std::sort(pts.begin(), pts.end(), [](QPoint a, QPoint c) { return a.x() < c.x() || (a.x() == c.x() && a.y() < c.y()); });
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    const auto cross = [](QPoint o, QPoint a, QPoint c) {
        return double(a.x() - o.x()) * (c.y() - o.y()) - double(a.y() - o.y()) * (c.x() - o.x());
    };
    std::vector<QPoint> hull(2 * pts.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
            --k;
        hull[k++] = pts[i];
    }
    for (std::size_t i = pts.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
            --k;
        hull[k++] = pts[i];
    }
    hull.resize(k - 1);
    return hull;
}

double Area(const std::vector<QPoint>& polygon)
{
    double area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const QPoint a = polygon[i], c = polygon[(i + 1) % polygon.size()];
        area += double(a.x()) * c.y() - double(c.x()) * a.y();
    }
    return std::abs(area) / 2;
}

// The largest patch of backdrop inside the blob that no path from the box's
// edge reaches: a ring's hole, not a lone pixel whose grey happened to match.
int LargestHole(const Blob& b)
{
    const QRect r = b.box.adjusted(-1, -1, 1, 1);
    std::vector<std::vector<int>> cell(r.height(), std::vector<int>(r.width()));  // 0 open, 1 blob, 2 filled
    for (const QPoint p : b.pixels)
        cell[p.y() - r.top()][p.x() - r.left()] = 1;
    // Fills the open patch at start and returns its size.
    const auto fill = [&](QPoint start) {
        std::vector<QPoint> todo{start};
        cell[start.y()][start.x()] = 2;
        int size = 0;
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            ++size;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + d;
                if (q.x() >= 0 && q.y() >= 0 && q.x() < r.width() && q.y() < r.height() && cell[q.y()][q.x()] == 0) {
                    cell[q.y()][q.x()] = 2;
                    todo.push_back(q);
                }
            }
        }
        return size;
    };
    fill({0, 0});
    int largest = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (cell[y][x] == 0)
                largest = std::max(largest, fill({x, y}));
    return largest;
}

// Mean width of the blob's rows in the top and the bottom quarter of its box.
double TopToBottomWidth(const Blob& b)
{
    std::vector<int> width(b.box.height());
    for (const QPoint p : b.pixels)
        ++width[p.y() - b.box.top()];
    const int quarter = std::max(1, b.box.height() / 4);
    double top = 0, bottom = 0;
    for (int i = 0; i < quarter; ++i) {
        top += width[i];
        bottom += width[b.box.height() - 1 - i];
    }
    return top / bottom;
}

struct Features {
    double hole;  // the largest hole's area over the box's
    double solidity;  // area over the convex hull's
    double taper;  // top quarter's width over the bottom quarter's
    double hullFill;  // the convex hull's area over the box's
};

Features Measure(const Blob& b)
{
    const std::vector<QPoint> hull = Hull(b);
    const double area = double(b.pixels.size()), hullArea = Area(hull);
    const double box = double(b.box.width()) * b.box.height();
    return {LargestHole(b) / box, area / hullArea, TopToBottomWidth(b), hullArea / box};
}

// A hole makes a ring, and deep notches round the outline a star. Of the
// convex outlines, a narrow top makes a cone; the cube fills its box, the
// octahedron's diamond half of it. The hull stays whole where the grey of a
// face matched the backdrop's and left a gap in the outline.
Outline Classify(const Features& f)
{
    if (f.hole > 0.08)
        return Ring;
    if (f.solidity < 0.7)
        return Star;
    if (f.taper < 0.45)
        return Cone;
    return f.hullFill > 0.72 ? Cube : Octahedron;
}

std::string Describe(const Features& f)
{
    return "hole " + std::to_string(f.hole) + ", solidity " + std::to_string(f.solidity) + ", taper "
           + std::to_string(f.taper) + ", hull fill " + std::to_string(f.hullFill);
}

class ShapeOutlines : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override { ASSERT_TRUE(v.ready()) << "no GL surface"; }
    ViewerRig v;
};
}  // namespace

// Every board size, so the most slanted pieces at the largest board's corners are in.
TEST_P(ShapeOutlines, EveryPiecesKindIsToldFromItsOutlineInGrey)
{
    v.rig.deal(BoardRig::Shapes, GetParam().width(), GetParam().height());
    const QImage grey = v.frame().convertToFormat(QImage::Format_Grayscale8);
    v.rig.board.field->setVisible(false);
    const QImage backdrop = v.frame().convertToFormat(QImage::Format_Grayscale8);
    std::vector<Blob> blobs = Blobs(Foreground(grey, backdrop));
    // A stray pixel where an edge's grey differs by a step is no piece.
    std::erase_if(blobs, [](const Blob& b) { return b.pixels.size() < 8; });
    // A piece's patches: those whose middle lies nearer its centre than any
    // other's. A seam wider than a pixel may cut a piece in two; outlines that
    // ran together would give one patch over two centres, told apart by nothing.
    const int n = int(v.rig.pieces.size());
    std::vector<QPoint> centres;
    for (int i = 0; i < n; ++i)
        centres.push_back(v.project(v.rig.pieceCentre(i), true));
    std::vector<Blob> pieces(n);
    for (const Blob& b : blobs) {
        int nearest = 0, covered = 0;
        for (int i = 0; i < n; ++i) {
            const QPoint d = centres[i] - b.box.center();
            if (d.manhattanLength() < (centres[nearest] - b.box.center()).manhattanLength())
                nearest = i;
            covered += b.box.contains(centres[i]);
        }
        ASSERT_LE(covered, 1) << "one outline round " << covered << " pieces' centres, at " << b.box.x() << ","
                               << b.box.y();
        pieces[nearest].pixels.insert(pieces[nearest].pixels.end(), b.pixels.begin(), b.pixels.end());
        pieces[nearest].box |= b.box;
    }

    for (int i = 0; i < n; ++i) {
        ASSERT_GT(pieces[i].pixels.size(), 50u) << "piece " << i << " is not seen";
        const Features f = Measure(pieces[i]);
        EXPECT_STREQ(kOutlineNames[Classify(f)], kOutlineNames[v.rig.kindOf(i)]) << "piece " << i << ": " << Describe(f);
    }
}

INSTANTIATE_TEST_SUITE_P(BoardSizes, ShapeOutlines, ::testing::Values(QSize(16, 8), QSize(18, 10), QSize(20, 12)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
