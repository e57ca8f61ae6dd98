#pragma once

#include <QImage>
#include <QString>

#include <vector>

// An indexed store of images. An index is valid when it names an item whose
// image is not empty; an item's transparent colour is its bottom-left pixel.
class TBitmapList {
public:
  TBitmapList() = default;
  // The items, and where there are any, their images of twice the pixel
  // density (twice the size, with a device pixel ratio of 2).
  explicit TBitmapList(std::vector<QImage> items, std::vector<QImage> dense = {});

  // Loads items 0..count-1 from "<folder>/<index>.png"; missing files give
  // empty items. Their dense images, "<folder>/<index>@2x.png", are loaded
  // when first asked for, so that screens of ratio 1 never pay for them.
  static TBitmapList Load(const QString& folder, int count);

  int Count() const { return static_cast<int>(Items.size()); }
  bool IsValid(int index) const;
  // The item's image, or an empty image for an invalid index.
  const QImage& Bitmap(int index) const;
  // The image to draw on a device of the given pixel ratio: the dense one
  // above ratio 1, where the item has one.
  const QImage& Bitmap(int index, qreal devicePixelRatio) const;
  QRgb TransparentColor(int index) const;

private:
  std::vector<QImage> Items;
  mutable std::vector<QImage> Dense;
  mutable std::vector<bool> DenseLoaded;
  QString Folder;
};

// The image with every pixel of the key colour made fully transparent.
QImage KeyedOut(const QImage& image, QRgb key);
