#pragma once
// The three overprint pages of PIT-37, each its own print job.

class TOverprintOutput;
class TPit37;

constexpr int Pit37Pages = 3;

// Boxes of PIT-37 printed in whole złoty.
bool Pit37WholeZloty(int box);

void Pit37Strona1(TOverprintOutput& output, const TPit37& pit);
void Pit37Strona2(TOverprintOutput& output, const TPit37& pit);
void Pit37Strona3(TOverprintOutput& output, const TPit37& pit);
// Page 1..3; any other number prints nothing.
void PrintPit37Page(TOverprintOutput& output, const TPit37& pit, int page);
