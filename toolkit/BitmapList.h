#pragma once

#include <QImage>
#include <QString>

#include <vector>

// An indexed store of images. An index is valid when it names an item whose
// image is not empty; an item's transparent colour is its bottom-left pixel.
class TBitmapList {
public:
  TBitmapList() = default;
  explicit TBitmapList(std::vector<QImage> items);

  // Loads items 0..count-1 from "<folder>/<index>.png"; missing files give
  // empty items.
  static TBitmapList Load(const QString& folder, int count);

  int Count() const { return static_cast<int>(Items.size()); }
  bool IsValid(int index) const;
  // The item's image, or an empty image for an invalid index.
  const QImage& Bitmap(int index) const;
  QRgb TransparentColor(int index) const;

private:
  std::vector<QImage> Items;
};

// The image with every pixel of the key colour made fully transparent.
QImage KeyedOut(const QImage& image, QRgb key);
