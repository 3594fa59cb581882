#pragma once
// A picture: shows one monochrome bitmap of the project's bitmap library,
// referred to by its entry ID. The element also keeps where the bitmap came
// from and the colours of that source image.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "elements/ElementCopy.h"

namespace balsar {

class CSingleColorBitmapLib;

class CPictureGE : public CopyableElement<CPictureGE> {
    BALSAR_DECLARE_CLASS(CPictureGE)
public:
    static constexpr int32_t kVersion = 2;
    // The page keeps a picture at least this wide and high.
    static constexpr int kMinPageSize = 16;

    CPictureGE();

    // Common prefix, version 2, compress, threshold, its maximum and
    // minimum, left fill, file name, source path, the source colours, the
    // bitmap ID. Written with a whole project the picture marks its library
    // entry as used; written on its own (clipboard) the entry's body follows
    // the ID, and reading it adds the entry to the current library. A
    // version-1 picture loads its bitmap from the source path.
    void Serialize(Archive& ar) override;
    // Position, 0, 0, 0 (16-bit), 1 (32-bit), the offset of the picture
    // object record.
    void Compile(CompileContext& context) const override;
    // The entry's lit pixels on an unlit rectangle (swapped when reverse).
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;
    // Legacy XML: "Trait" (Compress, Reverse, Critical, LeftFill) and "URL"
    // with the file name. Loading takes the source from the "image" folder
    // of the current folder; a source that cannot be read is reported and
    // the load still succeeds.
    void XmlSave(CXmlNodeWrapper& parts) const override;
    bool XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) override;

    // The picture object record (1 and the offset of the entry's bitmap
    // record, which follows it when new), once per image and entry under
    // "PICTURE_<ID>". An unknown entry gives a record pointing at offset 0.
    uint32_t CompilePictureLibObjForDspPrm(CompileContext& context) const;

    // The library the ID refers to when drawing (and compiling outside a
    // project); set when the picture is read from an archive, copied or
    // placed.
    void SetLibrary(const CSingleColorBitmapLib* library) { m_library.Set(library); }
    const CSingleColorBitmapLib* Library() const { return m_library.Get(); }
    // Stores the source path and its file name and reads the source colours
    // (none when the file cannot be read: false).
    bool SetSourceFile(const std::string& path);
    // Copies the source file into the project's image folder under its file
    // name, unless it already is that file or a file of that name is there.
    bool CopySourceToImageFolder(const std::string& imageFolder) const;

    // Stores the source path and file name as a file holds them, without
    // reading the source.
    void SetSourceNames(const std::string& path, const std::string& fileName) {
        m_sourcePath = path;
        m_fileName = fileName;
    }
    const std::string& SourcePath() const { return m_sourcePath; }
    const std::string& FileName() const { return m_fileName; }

    std::vector<uint32_t> sourcePixels;
    int32_t compress = 1;
    int32_t leftFill = 0;
    int32_t threshold = 128;
    int32_t thresholdMaximum = 255;
    int32_t thresholdMinimum = 0;
    int32_t bitmapId = 0;

private:
    void SerializeLibraryEntry(Archive& ar, CSingleColorBitmapLib* library);

    std::string m_sourcePath;
    std::string m_fileName;
    ProjectLink<const CSingleColorBitmapLib> m_library;
};

// Another BMP file for a placed picture (its page): the bitmap goes into
// the library and the picture takes its ID, size and source, staying where
// it is as far as the new size lets it stay on the screen. False, with the
// picture unchanged and the message to show, when the file is refused.
bool ReplacePictureBitmap(CPictureGE& picture, const std::string& path, CSingleColorBitmapLib& library,
                          int screenWidth, int screenHeight, std::string& message);

// What the editor does with a BMP file chosen for a new picture.
struct PicturePlacement {
    // The picture, sized as its bitmap, or null with the message to show.
    std::unique_ptr<CPictureGE> picture;
    std::string message;
};
// The bitmap goes into the library; a file that is not a 1-bit BMP, cannot
// be loaded, or is larger than the screen is refused with its message.
PicturePlacement PlacePictureFromFile(const std::string& path, CSingleColorBitmapLib& library, int screenWidth,
                                      int screenHeight);

// The values the picture page accepts: the picture stays inside the panel
// and is at least 16 pixels wide and high.
struct PageRange {
    int lowest = 0;
    int largest = 0;
    bool Holds(int value) const { return value >= lowest && value <= largest; }
};
struct PicturePageLimits {
    PageRange left;
    PageRange top;
    PageRange width;
    PageRange height;
};
PicturePageLimits PictureLimits(const CGraphElement& picture, int screenWidth, int screenHeight);

} // namespace balsar
