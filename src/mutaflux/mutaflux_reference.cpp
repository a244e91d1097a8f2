// The reference form of every gene: each formula transcribed step by step for one
// pixel, with every building block evaluated where it appears and the registers read
// and written as the steps say. It is slow on purpose; the kernels in
// mutaflux_gene_*.cpp must give the same bytes.
#include <cmath>

#include "mutaflux/mutaflux_genes.h"
#include "mutaflux/mutaflux_math.h"

namespace tessel::mutaflux {

namespace {

// The pixel the formulas work on, with the building blocks that depend on it.
struct CPixel {
  const CGeneFrame& f;
  int x;
  int y;
  uint8_t* px;

  int32_t w() const { return f.width; }
  int32_t h() const { return f.height; }
  int32_t P(int k) const { return f.p[k]; }
  int32_t& R(int i) const { return f.r[i]; }
  int32_t S(int k, int32_t lo, int32_t hi) const { return ScaleParam(f.p[k], lo, hi); }
  int32_t CosX(int32_t a, int32_t r) const { return mutaflux::CosX(a, r, w() / 2); }
  int32_t SinY(int32_t a, int32_t r) const { return mutaflux::SinY(a, r, h() / 2); }
  int32_t CenterAngle() const { return mutaflux::CenterAngle(x - w() / 2, y - h() / 2); }
  int32_t CenterDist() const { return mutaflux::CenterDist(x - w() / 2, y - h() / 2); }
  int32_t HalfDiag() const { return mutaflux::HalfDiag(w(), h()); }
  void Write(int channel, int32_t v) const { WriteChannel(px, channel, v); }
};

void Gene0(const CPixel& p, CChannelOrder order) {
  const int32_t A = p.CenterAngle(), D = p.CenterDist(), H = p.HalfDiag();
  const int P6 = p.P(6);
  p.R(22) = (90 < P6 && P6 < 181) ? p.S(6, 0, 2000) + A : 0;
  p.R(23) = P6 < 181 ? Hyp(p.S(3, -500, 500) + p.R(13), p.R(14)) : AbsDiff(p.S(3, 0, 1012) + p.R(13), p.R(14));
  p.R(5) = p.CosX(Max(p.R(3), p.R(4)), AbsDiff(p.R(3), p.S(5, 0, 333) + p.R(4)));
  p.R(6) = p.SinY(AbsDiff(p.R(3), p.S(4, 30, 255) + p.R(4)), p.R(23));
  p.R(7) = Angle(p.R(5), p.R(6));
  p.R(8) = AbsDiff(p.R(5), p.R(6)) / 2;
  p.R(9) = p.SinY(p.R(7), p.R(8)) / 5;
  p.R(10) = Angle(p.R(7), p.R(8)) * 2;
  p.R(11) = AbsDiff(p.R(7), p.R(8));
  p.Write(order.first, AbsDiff(AbsDiff(p.R(10), p.S(7, 0, 225) + p.R(11)), p.S(7, -60, 0) + p.R(9)));
  p.R(15) = Cos512((p.S(1, 10, 512) * A * 14) / 1024);
  p.R(13) = Cos512(DivOrZero(p.S(0, -180, -3600) * D, H) + p.R(22));
  p.R(14) = p.S(2, p.R(15) / 4, p.R(15) * 3);
  p.Write(order.second, AbsDiff(AbsDiff(p.R(10), p.S(7, -25, 80) + p.R(11)), p.S(7, 30, -65) + p.R(9)));
  p.Write(order.third, AbsDiff(AbsDiff(p.R(10), p.S(7, 150, -70) + p.R(11)), p.R(9)));
}

void Gene1(const CPixel& p, CChannelOrder order) {
  const int32_t A = p.CenterAngle(), D = p.CenterDist();
  const int32_t d = (D * 255) / p.w(), xs = (p.x * 255) / p.w(), ys = (p.y * 255) / p.h();
  p.R(0) = d - xs;
  p.R(1) = d - ys;
  p.R(2) = xs - ys;
  p.R(3) = p.y < p.h() / 2 ? Lerp(A, -511, 0, 255, 0) : Lerp(A, 1, 512, 0, 255);
  p.Write(order.first, std::abs(p.S(0, -255, 255) + p.R(p.S(3, 0, 4))));
  p.Write(order.second, std::abs(p.S(1, -255, 255) + p.R(p.S(4, 0, 4))));
  p.Write(order.third, std::abs(p.S(2, -255, 255) + p.R(p.S(5, 0, 4))));
}

void Gene2(const CPixel& p, CChannelOrder order) {
  const int32_t x = p.x, y = p.y, w = p.w(), h = p.h();
  p.R(0) = Angle(x, y);
  p.R(1) = Angle(x, h - y);
  p.R(2) = Angle(w - x, y);
  p.R(3) = Angle(w - x, h - y);
  const int channels[3] = {order.first, order.second, order.third};
  for (int i = 0; i < 3; ++i) {
    p.R(5) = p.R(p.S(3 + i, 0, 4));
    const int32_t v = p.P(6) < 128 ? 255 - p.R(5) : p.R(5);
    p.Write(channels[i], p.S(i, -128, 128) + v);
  }
}

void Gene3(const CPixel& p) {
  const int32_t x = p.x, y = p.y, H = p.HalfDiag();
  const int32_t a = Cos512(DivOrZero(p.P(1) * y * 16, H));
  const int32_t b = Sin512(a + DivOrZero(p.P(0) * x * 32, H));
  const int32_t c = Cos512(DivOrZero(p.P(3) * x * 16, H));
  p.R(1) = (b + Sin512(c + DivOrZero(p.P(2) * y * 32, H))) * 32;
  const int m[3] = {5, 6, 7};
  const int channels[3] = {kRed, kGreen, kBlue};
  for (int i = 0; i < 3; ++i) {
    p.R(0) = (p.R(1) * p.P(m[i])) / 128 / 128 + p.S(4, -255, 255);
    p.Write(channels[i], Fold(p.R(0)));
  }
}

void Gene4(const CPixel& p, int gene) {
  const int32_t A = p.CenterAngle(), D = p.CenterDist();
  p.R(0) = Mod1024((p.S(3, -8, 8) * D + A) * p.S(0, 1, 24));
  p.R(0) = (Sin512(p.R(0)) + 512) / 4;
  p.R(1) = Mod1024((p.S(4, -8, 8) * D + A) * p.S(1, 1, 24));
  p.R(1) = (Sin512(p.R(1)) + 512) / 4;
  const int32_t mx = Max(p.R(0), p.R(1)), mn = Min(p.R(0), p.R(1));
  const int32_t up = p.R(1) - p.R(0), down = p.R(0) - p.R(1);
  auto bit = [&](int n) { return (p.P(2) & n) != 0; };
  const int32_t P5 = p.P(5), P6 = p.P(6), P7 = p.P(7);

  const int32_t red4 = Lerp(P5, 64, 192, bit(128) ? mn : down, bit(16) ? mx : up);
  if (gene == 4) {
    p.Write(kRed, red4);
    p.Write(kGreen, Lerp(P6, 64, 192, bit(64) ? mn : down, bit(8) ? mx : up));
    p.Write(kBlue, Lerp(P7, 64, 192, bit(32) ? mn : down, bit(4) ? mx : up));
    return;
  }
  if (gene == 5)
    p.Write(kRed, red4);
  else
    p.Write(kRed, bit(128) ? Lerp(P5, 64, 192, mn, mx) : Sin512((p.R(1) * p.R(0)) / (P5 + 32)) / 2);
  p.Write(kGreen, bit(64) ? Lerp(P6, 64, 192, mn, mx) : (P6 * std::abs(down)) / 128);
  p.Write(kBlue, bit(32) ? Lerp(P7, 64, 192, mn, mx) : (P7 * std::abs(down)) / 128);
}

void Gene7(const CPixel& p) {
  const int32_t A = p.CenterAngle(), D = p.CenterDist(), H = p.HalfDiag();
  const int32_t x = p.x, y = p.y, w = p.w(), h = p.h();
  const float xp = float(double(x) / w * 100.0);
  const float yp = float(double(y) / h * 100.0);
  const float rd = float((H == 0 ? 0.0 : double(D) / H) * 200.0);
  const int32_t xi = TruncToInt(xp), yi = TruncToInt(yp);
  auto T = [&](int k, int32_t lo, int32_t hi, float v) { return TruncToInt(p.S(k, lo, hi) * double(v)); };

  const int32_t Q = TruncToInt(double(float(double(rd) + Sin512(yi))) - Cos512(xi));
  const float r1 = float((double(rd) - p.S(3, 0, 100)) + Sin512(T(4, 0, 10, yp)));
  const int32_t SY1 = p.SinY(A - Sin512(T(1, -32, 10, yp)) - Cos512(T(1, -4, 4, xp)),
                             TruncToInt(double(r1) - Cos512(T(4, -10, 10, xp))));
  const int32_t CX1 =
      p.CosX(TruncToInt(A - std::sin(p.S(0, -10, 4) * double(yp)) - Cos512(T(0, -4, 30, xp))), Q);
  const int32_t red = Lerp(CX1 - SY1, -p.S(2, 0, 1024), p.S(2, 0, 1024), 0, 255);
  const int32_t CX2 = p.CosX(p.S(4, 0, 25) * red - Sin512(T(0, -10, 4, yp)) - Cos512(T(0, -4, 30, xp)), Q);
  const int32_t SY2 = p.SinY(p.S(4, 0, 25) * red - Sin512(T(1, -32, 10, yp)) - Cos512(T(1, -4, 30, xp)), Q);
  const int32_t green = Lerp(CX2 - SY2, -p.S(2, 0, 1024), p.S(3, 0, 1024), 0, 255);
  p.Write(kRed, red);
  p.Write(kGreen, green);
  const int32_t CX3 = p.CosX(4 * red - Sin512(T(0, -10, 4, yp)) - Cos512(T(0, -4, 30, xp)), Q);
  const int32_t SY3 = p.SinY(4 * green - Sin512(T(1, -32, 10, yp)) - Cos512(T(0, -4, 4, xp)), Q);
  p.Write(kBlue, Lerp(CX3 - SY3, -p.S(2, 0, 1024), p.S(3, 0, 1024), 0, 255));
}

void Gene9(const CPixel& p) {
  const int32_t u = Lerp(p.x, 0, p.w() - 1, -511, 512);
  const int32_t v = Lerp(p.y, 0, p.h() - 1, -511, 512);
  const int32_t k = p.S(0, 2, 255);
  p.Write(kBlue, Lerp(Sin512(Sin512(Sin512(u + 2 * k) + Sin512(v + 4 * k)) -
                             Sin512(Sin512(u + 8 * k) + Sin512(v + 16 * k))) /
                          2,
                      0, 255, 0, p.S(1, 1, 255)));
  p.Write(kGreen, Lerp(Sin512(Sin512(Sin512(u + 2 * k) + Sin512(v + 4 * k)) -
                              Sin512(Sin512(v + 8 * k) + Sin512(u + 4 * k))) /
                           2,
                       0, 255, 0, p.S(2, 1, 255)));
  p.Write(kRed, Lerp(Sin512(Sin512(Sin512(v + 2 * k) + Sin512(u + 8 * k)) -
                            Sin512(Sin512(u + 4 * k) + Sin512(v + 16 * k))) /
                         2,
                     0, 255, 0, p.S(3, 1, 255)));
}

}  // namespace

void ReferencePixel(const CGeneFrame& f, int gene, int x, int y) {
  const CPixel p{f, x, y, f.Row(y) + size_t(x) * 4};
  const CChannelOrder order = kGeneChannels[gene];
  switch (gene) {
    case 1:
    case 8:
    case 13: return Gene1(p, order);
    case 2:
    case 12: return Gene2(p, order);
    case 3: return Gene3(p);
    case 4:
    case 5:
    case 6: return Gene4(p, gene);
    case 7: return Gene7(p);
    case 9: return Gene9(p);
    default: return Gene0(p, order);  // 0, 10, 11
  }
}

}  // namespace tessel::mutaflux
