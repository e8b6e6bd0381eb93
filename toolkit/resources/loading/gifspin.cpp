// Build tool: turns a still SVG picture into a looping animated GIF by
// turning it about its centre, one step per frame, over a white ground.
//
//   gifspin <picture.svg> <frames> <delay in 1/100 s> <out.gif>
//
// The picture is drawn in one colour (its darkest, see kInk) with varying
// opacity, so every pixel is a blend of white and that colour and a
// 256-step palette from white to the ink holds the frames exactly. Run it
// under QT_QPA_PLATFORM=offscreen.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

const QColor kInk(0x8b, 0x1a, 0x1a);

QRgb paletteEntry(int i)
{
    const double t = i / 255.0;
    auto mix = [t](int ink) { return int(255 + t * (ink - 255) + 0.5); };
    return qRgb(mix(kInk.red()), mix(kInk.green()), mix(kInk.blue()));
}

// The palette index of a pixel drawn in the ink over white.
quint8 indexOf(QRgb pixel)
{
    const double t = (255.0 - qGreen(pixel)) / (255.0 - kInk.green());
    return quint8(qBound(0, int(t * 255 + 0.5), 255));
}

class BitWriter
{
public:
    void put(int code, int bits)
    {
        m_acc |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_acc & 0xff));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_acc & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_count = 0;
};

// GIF's variable-length LZW over 8-bit indexes.
QByteArray lzw(const QVector<quint8> &pixels)
{
    const int clearCode = 256;
    const int endCode = 257;
    BitWriter out;
    QHash<quint32, int> table;
    int next = 258;
    int bits = 9;
    out.put(clearCode, bits);
    int prefix = pixels.isEmpty() ? 0 : pixels.first();
    for (int i = 1; i < pixels.size(); ++i) {
        const quint8 c = pixels.at(i);
        const quint32 key = (quint32(prefix) << 8) | c;
        const auto hit = table.constFind(key);
        if (hit != table.constEnd()) {
            prefix = hit.value();
            continue;
        }
        out.put(prefix, bits);
        if (next < 4095) {
            table.insert(key, next++);
            if (next > (1 << bits) && bits < 12)
                ++bits;
        } else {
            out.put(clearCode, bits);
            table.clear();
            next = 258;
            bits = 9;
        }
        prefix = c;
    }
    out.put(prefix, bits);
    out.put(endCode, bits);
    return out.finish();
}

void putWord(QByteArray &b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        err << "usage: gifspin <picture.svg> <frames> <delay> <out.gif>\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    const int frames = args.at(2).toInt();
    const int delay = args.at(3).toInt();
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty() || frames < 1 || delay < 1) {
        err << "gifspin: cannot use " << args.at(1) << '\n';
        return 1;
    }

    QByteArray gif("GIF89a");
    putWord(gif, size.width());
    putWord(gif, size.height());
    gif.append(char(0xf7)); // global palette of 256 entries
    gif.append(char(0));
    gif.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = paletteEntry(i);
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    // Loop for ever.
    gif.append(QByteArray::fromHex("21ff0b") + QByteArray("NETSCAPE2.0") +
               QByteArray::fromHex("0301000000"));

    for (int f = 0; f < frames; ++f) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(size.width() / 2.0, size.height() / 2.0);
            painter.rotate(360.0 * f / frames);
            painter.translate(-size.width() / 2.0, -size.height() / 2.0);
            renderer.render(&painter);
        }
        QVector<quint8> pixels;
        pixels.reserve(size.width() * size.height());
        for (int y = 0; y < size.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < size.width(); ++x)
                pixels.append(indexOf(line[x]));
        }
        // Graphic control: replace the frame, delay in 1/100 s.
        gif.append(QByteArray::fromHex("21f90404"));
        putWord(gif, delay);
        gif.append(char(0));
        gif.append(char(0));
        // Image descriptor: the whole screen, no local palette.
        gif.append(char(0x2c));
        putWord(gif, 0);
        putWord(gif, 0);
        putWord(gif, size.width());
        putWord(gif, size.height());
        gif.append(char(0));
        gif.append(char(8)); // LZW minimum code size
        const QByteArray data = lzw(pixels);
        for (int at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            gif.append(char(block.size()));
            gif.append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3b));

    QDir().mkpath(QFileInfo(args.at(4)).absolutePath());
    QFile file(args.at(4));
    if (!file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size()) {
        err << "gifspin: cannot write " << args.at(4) << '\n';
        return 1;
    }
    return 0;
}
