#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class THUDText;

// A font of fixed-size glyph cells in one picture, laid out row by row in
// character order. Black in the picture is transparent.
class TBitmapFont {
public:
    TBitmapFont();
    ~TBitmapFont();
    TBitmapFont(const TBitmapFont&) = delete;
    TBitmapFont& operator=(const TBitmapFont&) = delete;

    // Far wider than any glyph sheet needs, far less than would strain the machine.
    static constexpr QSize PictureLimit{4096, 4096};

    // Loads the glyph picture, a BMP file; throws std::runtime_error ("Cannot open
    // file "...") when the file is missing, is no BMP picture, is cut short, is
    // empty, or is wider or higher than limit. The size is checked before decoding.
    // A picture of twice the size beside it ("font@2x.bmp" for "font.bmp")
    // becomes the 2x picture; one that is missing, damaged or of another size is passed over.
    // It is read when first asked for (hiDpiGlyphImage): a screen of 1.5x or less never
    // draws from it, and decoded it would take 1 MB and a few ms of the start for nothing.
    void loadGlyphs(const QString& path, QSize limit = PictureLimit);
    // The same for a picture drawn to one design: a picture of any other size (too
    // small to hold the glyphs, or laid out for other cells) is refused from its
    // header ("picture is W x H, not ..."); the 2x picture must be twice the size.
    void loadGlyphsOfSize(const QString& path, QSize size);
    // The same for the file's bytes; name is what the error names.
    void loadGlyphsFromData(const QByteArray& bytes, const QString& name, QSize limit = PictureLimit);
    // Uses a picture already in memory (and no 2x picture).
    void setGlyphs(const QImage& picture);
    // The picture as RGBA with black made transparent; null before loading.
    const QImage& glyphImage() const { return image_; }
    // The same cells drawn at twice the density, for dense screens: each cell at
    // twice the place and size of its 1x cell. False (and nothing kept) unless
    // the picture is exactly twice the 1x picture's size.
    bool setHiDpiGlyphs(const QImage& picture);
    // Null where there is none. The first call after loadGlyphs reads the 2x file.
    const QImage& hiDpiGlyphImage() const;

    // Glyph cell size and the gaps between cells in the picture (defaults 30, 30, 1, 1).
    int glyphWidth() const { return glyphWidth_; }
    int glyphHeight() const { return glyphHeight_; }
    int hSpace() const { return hSpace_; }
    int vSpace() const { return vSpace_; }
    void setGlyphSize(int w, int h, int hSpace, int vSpace);
    // Characters that have glyphs, from the first glyph on (defaults 32 to 90).
    int rangeStart() const { return rangeStart_; }
    int rangeStop() const { return rangeStop_; }
    void setRange(int start, int stop);
    // The characters of the cells in order, for a sheet that is no single range; empty
    // (the default) uses the range. A small letter without a glyph of its own is drawn
    // as its capital.
    void setCharacters(std::u32string characters);

    // Cells in one row of the picture.
    int glyphsPerRow() const;
    // The character's cell in the picture; empty if it has no glyph.
    QRect glyphRect(char32_t ch) const;
    // Grows on every change of the picture or layout (for texture caches).
    std::uint64_t revision() const { return revision_; }

private:
    friend class THUDText;
    void attach(THUDText* text);
    void detach(THUDText* text);
    void notify();
    void load(const QString& path, QSize limit, QSize exact);
    int cellOf(char32_t ch) const;

    // The 2x picture still to be read: its file and the size it must have.
    struct PendingHiDpi {
        QString path;
        QSize limit;
        QSize exact;
    };

    QImage image_;
    // Filled on first use; what a reader sees is the same either way.
    mutable QImage hiDpiImage_;
    mutable std::optional<PendingHiDpi> pendingHiDpi_;
    int glyphWidth_ = 30, glyphHeight_ = 30, hSpace_ = 1, vSpace_ = 1;
    int rangeStart_ = 32, rangeStop_ = 90;
    std::u32string characters_;
    std::uint64_t revision_ = 0;
    std::vector<THUDText*> users_;
};
