#include "FPit37Wsp.h"

namespace {

QVector<TWsp> build()
{
    QVector<TWsp> w(Pit37WspCount);
    auto at = [&](int box, float x, float y) { w[box - 1] = TWsp{x, y}; };

    // Page 1: identification.
    at(1, 20, 16);
    at(2, 95, 16);
    at(5, 113, 41);
    at(7, 20.5f, 120.5f);
    at(8, 20.5f, 125.5f);
    at(9, 20, 150);
    // Taxpayer 11..24; the spouse's 25..38 lie 50.5 mm lower.
    const struct {
        float x, y;
    } person[14] = {{20, 184},  {111, 184}, {61, 192.25f}, {140, 192.25f}, {20, 201},   {59, 201}, {150, 201},
                    {20, 209.5f}, {68, 209.5f}, {162, 209.5f}, {182, 209.5f}, {20, 218}, {99, 218}, {129, 218}};
    for (int i = 0; i < 14; ++i) {
        at(11 + i, person[i].x, person[i].y);
        at(25 + i, person[i].x, person[i].y + 50.5f);
    }

    // Page 2: income tables, columns revenue, costs, income, loss, advance.
    const float col[5] = {86, 114, 142, 170, 198};
    auto row5 = [&](int first, float y) {
        for (int i = 0; i < 5; ++i) at(first + i, col[i], y);
    };
    auto row3 = [&](int first, float y) {   // revenue, income, advance
        at(first, col[0], y);
        at(first + 1, col[2], y);
        at(first + 2, col[4], y);
    };
    auto total = [&](int first, float y) {  // revenue, costs, income, advance
        at(first, col[0], y);
        at(first + 1, col[1], y);
        at(first + 2, col[2], y);
        at(first + 3, col[4], y);
    };
    row5(39, 50);
    row3(44, 58.5f);
    row5(47, 67);
    row5(52, 75.5f);
    row5(57, 84);
    total(62, 92.5f);
    row5(66, 118);
    row3(71, 126.5f);
    row5(74, 135);
    row5(79, 143.5f);
    row5(84, 152);
    total(89, 160.5f);
    const float pairY[4] = {177.5f, 186, 194.5f, 203};
    for (int i = 0; i < 4; ++i) {
        at(93 + 2 * i, 163, pairY[i]);
        at(94 + 2 * i, 198, pairY[i]);
    }
    const float y101[8] = {211.5f, 220, 228.5f, 237, 245.5f, 261.5f, 270, 278.5f};
    for (int i = 0; i < 8; ++i) at(101 + i, 198, y101[i]);

    // Page 3.
    at(109, 199, 16.5f);
    at(110, 164, 33);
    at(111, 199, 33);
    at(112, 164, 41.5f);
    at(113, 199, 41.5f);
    at(114, 164, 50);
    at(115, 199, 50);
    const float y116[4] = {58.5f, 67, 75.5f, 84};
    for (int i = 0; i < 4; ++i) at(116 + i, 199, y116[i]);
    const float y120[4] = {100.5f, 109, 117.5f, 126};
    for (int i = 0; i < 4; ++i) at(120 + i, 199, y120[i]);
    at(124, 20, 143.5f);
    at(125, 20, 152);
    at(126, 199, 152);
    at(127, 20, 172);
    at(128, 20, 180.5f);
    at(129, 184.5f, 183);
    at(130, 25, 214.5f);
    at(131, 40, 214.5f);
    at(132, 55, 214.5f);
    at(133, 70, 214.5f);
    at(134, 94, 214.5f);
    at(137, 20, 223);
    at(140, 122, 250);

    // Squares without a box number.
    at(141, 20.5f, 111);
    at(142, 51.5f, 111);
    at(143, 106.5f, 111);
    at(144, 158.5f, 111);
    at(145, 75, 158);
    at(146, 115, 158);
    at(147, 104, 214.5f);
    at(148, 126.5f, 214.5f);
    at(149, 147.5f, 214.5f);
    at(150, 166, 214.5f);
    at(151, 184, 214.5f);
    // 3, 4, 6, 10, 135, 136, 138, 139 stay (0, 0): document number, status, the square
    // groups printed through their pseudo-boxes, signatures.
    return w;
}

}  // namespace

const TWspTable& Pit37Wsp()
{
    static const TWspTable table(build());
    return table;
}
