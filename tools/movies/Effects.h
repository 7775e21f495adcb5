#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <cstdint>
#include <vector>

// Celebration effects worked out once from a seed and then painted at any time.
namespace movies {

class Fireworks {
 public:
  // `bursts` rockets rise from below `sky` and burst inside it between `from` and `to`
  // seconds.
  Fireworks(std::uint64_t seed, const QRectF& sky, int bursts, qreal from, qreal to);
  // Added as light: trails and sparks glow on the dark stage.
  void paint(QImage& canvas, qreal t) const;

 private:
  struct Spark {
    QPointF velocity;  // pixels per second
    qreal size;
  };
  struct Burst {
    qreal time;  // the moment it bursts
    QPointF launch;
    QPointF centre;
    QColor colour;
    std::vector<Spark> sparks;
  };
  std::vector<Burst> m_bursts;
};

class Confetti {
 public:
  // Pieces start falling from above `area` between 0 and `spread` seconds.
  Confetti(std::uint64_t seed, const QRectF& area, int count, qreal spread);
  void paint(QPainter& painter, qreal t) const;

 private:
  struct Piece {
    qreal start;
    qreal x;
    qreal speed;
    qreal sway;
    qreal swayRate;
    qreal spin;
    qreal phase;
    QSizeF size;
    QColor colour;
  };
  QRectF m_area;
  std::vector<Piece> m_pieces;
};

// Dust floating in the stage lights: slow, faint, but never quite still, which also
// keeps a held picture from being merged into one long frame by the encoder.
class Motes {
 public:
  Motes(std::uint64_t seed, const QRectF& area, int count);
  void paint(QPainter& painter, qreal t, qreal opacity = 1) const;

 private:
  struct Mote {
    QPointF start;
    QPointF drift;  // pixels per second
    qreal size;
    qreal rate;
    qreal phase;
  };
  QRectF m_area;
  std::vector<Mote> m_motes;
};

}  // namespace movies
