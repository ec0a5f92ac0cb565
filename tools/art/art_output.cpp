#include "tools/art/art_output.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "tools/art/gif_writer.h"

namespace tavik::art {

ArtOutput::ArtOutput(QString folder) : folder_(std::move(folder)) {
    if (!QDir().mkpath(folder_)) errors_ << QStringLiteral("cannot create %1").arg(folder_);
}

void ArtOutput::addPng(const QString& name, const QImage& image) {
    save(name + QStringLiteral(".png"), image, "PNG", -1);
}

void ArtOutput::addJpeg(const QString& name, const QImage& image, int quality) {
    save(name + QStringLiteral(".jpg"), image.convertToFormat(QImage::Format_RGB32), "JPEG",
         quality);
}

void ArtOutput::addGif(const QString& name, const QList<QImage>& frames, int delayMs) {
    const QString file = name + QStringLiteral(".gif");
    if (files_.contains(file)) {
        errors_ << QStringLiteral("%1 generated twice").arg(file);
        return;
    }
    files_ << file;
    const QString failure = writeAnimatedGif(QDir(folder_).filePath(file), frames, delayMs);
    if (!failure.isEmpty()) errors_ << QStringLiteral("cannot write %1: %2").arg(file, failure);
}

void ArtOutput::addText(const QString& fileName, const QByteArray& text) {
    if (files_.contains(fileName)) {
        errors_ << QStringLiteral("%1 generated twice").arg(fileName);
        return;
    }
    files_ << fileName;
    QSaveFile out(QDir(folder_).filePath(fileName));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        errors_ << QStringLiteral("cannot write %1").arg(fileName);
}

void ArtOutput::save(const QString& file, const QImage& image, const char* format, int quality) {
    if (files_.contains(file)) {
        errors_ << QStringLiteral("%1 generated twice").arg(file);
        return;
    }
    files_ << file;
    if (!image.save(QDir(folder_).filePath(file), format, quality))
        errors_ << QStringLiteral("cannot write %1").arg(file);
}

void ArtOutput::writeQrc(const QString& qrcPath, const QString& prefix) {
    QSaveFile out(qrcPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        errors_ << QStringLiteral("cannot write %1").arg(qrcPath);
        return;
    }
    QTextStream text(&out);
    text << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"" << prefix << "\">\n";
    const QDir dir(QDir(folder_).absolutePath());
    for (const QString& file : files_)
        text << "  <file alias=\"" << file << "\">" << dir.filePath(file) << "</file>\n";
    text << "</qresource>\n</RCC>\n";
    text.flush();
    if (!out.commit()) errors_ << QStringLiteral("cannot write %1").arg(qrcPath);
}

}  // namespace tavik::art
