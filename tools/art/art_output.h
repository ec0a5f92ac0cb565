#pragma once
// Collects generated pictures into a folder and lists them in a Qt resource
// collection (.qrc) under their resource names.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace tavik::art {

class ArtOutput {
  public:
    // Pictures are written into folder, which is created when missing.
    explicit ArtOutput(QString folder);

    // Writes name.png (32-bit with alpha when the picture has alpha).
    void addPng(const QString& name, const QImage& image);
    // Writes name.jpg.
    void addJpeg(const QString& name, const QImage& image, int quality);
    // Writes name.gif: the frames as an endlessly looping animation, delayMs each.
    void addGif(const QString& name, const QList<QImage>& frames, int delayMs);

    // Writes a text file (a licence record) under its own file name.
    void addText(const QString& fileName, const QByteArray& text);

    // Writes the .qrc that exposes every picture as <prefix>/<file name>.
    void writeQrc(const QString& qrcPath, const QString& prefix);

    const QStringList& files() const { return files_; }
    // False once any write failed; errors() says which.
    bool ok() const { return errors_.isEmpty(); }
    const QStringList& errors() const { return errors_; }

  private:
    void save(const QString& file, const QImage& image, const char* format, int quality);

    QString folder_;
    QStringList files_;
    QStringList errors_;
};

}  // namespace tavik::art
