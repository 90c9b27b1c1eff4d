// The Russian text of a study, item by item.
#include "StudyReport.h"

#include <cmath>

namespace orvex {

namespace {

std::string N(long double v) {
    return PointText(v);
}

// "a; b; c" with at most kMaxListed entries, then "… (ещё N)".
template <typename List, typename Text>
std::string Joined(const List& list, const std::string& separator, Text text) {
    std::string out;
    std::size_t k = 0;
    for (const auto& item : list) {
        if (k == kMaxListed) {
            out += separator + "… (ещё " + std::to_string(list.size() - k) + ")";
            break;
        }
        out += (k == 0 ? "" : separator) + text(item);
        ++k;
    }
    return out;
}

std::string Union(const std::vector<StudyInterval>& intervals) {
    return Joined(intervals, " ∪ ", [](const StudyInterval& i) { return IntervalText(i); });
}

std::string Points(const std::vector<StudyPoint>& points) {
    return Joined(points, "; ", [](const StudyPoint& p) { return "(" + N(p.x) + "; " + N(p.y) + ")"; });
}

void AddIntervals(StudySection& s, const std::string& what, const std::vector<StudyInterval>& intervals) {
    if (!intervals.empty())
        s.lines.push_back(what + " при x ∈ " + Union(intervals));
}

std::string Symmetric(const FunctionStudy& s) {
    return "[" + N(-s.symmetricHalf) + "; " + N(s.symmetricHalf) + "]";
}

StudySection Domain(const FunctionStudy& s) {
    StudySection out{"1. Область определения", {}, {}};
    if (s.domain.empty())
        out.lines.push_back("На диапазоне у графика нет значений.");
    else
        out.lines.push_back("x ∈ " + Union(s.domain));
    if (!s.noValue.empty())
        out.lines.push_back("Нет значения при x = " +
                            Joined(s.noValue, "; x = ", [](double x) { return N(x); }));
    if (!s.refinedFully)
        out.lines.push_back(
            "Особенностей на диапазоне больше, чем успевает уточнить исследование: часть точек во "
            "всех пунктах дана с точностью шага выборки.");
    if (s.formulaCut)
        out.lines.push_back(
            "Формула длиннее, чем читает программа (50 знаков после подготовки): исследуется f(x) = " +
            s.readFormula);
    out.limits =
        "выколотые точки между точками выборки, кроме нулей делителей, степеней и аргументов ln, "
        "lg, sqrt, arcctg, tg, ctg, sec, csec; концы точнее 1E-10 (ближе 1E-10 к нулю делителя или к "
        "0 под ln программа значения не вычисляет); промежуток без значений уже миллионной доли "
        "диапазона (он показан точкой).";
    if (!s.holesSearched)
        out.limits =
            "выколотые точки между точками выборки, кроме полюсов, где f меняет знак или резко растёт "
            "(формула вычисляется как текст, например 2x или 2sin(x), или их поиск занял бы слишком "
            "много времени); концы точнее 1E-10.";
    return out;
}

StudySection ParityOf(const FunctionStudy& s) {
    StudySection out{"2. Чётность", {}, {}};
    switch (s.parity) {
    case Parity::Even:
        out.lines.push_back("Чётная: f(−x) = f(x) на " + Symmetric(s));
        break;
    case Parity::Odd:
        out.lines.push_back("Нечётная: f(−x) = −f(x) на " + Symmetric(s));
        break;
    case Parity::EvenAndOdd:
        out.lines.push_back("f(x) = 0 на " + Symmetric(s) + ": и чётная, и нечётная");
        break;
    case Parity::Neither:
        out.lines.push_back("Общего вида (ни чётная, ни нечётная) на " + Symmetric(s) +
                            ": при x = " + N(s.parityWitness) + " f(−x) ≠ ±f(x)");
        break;
    case Parity::NotChecked:
        out.lines.push_back(s.symmetricHalf > 0
                                ? "Не проверялась: на " + Symmetric(s) + " у графика нет значений."
                                : "Не проверялась: в диапазоне нет части, симметричной относительно 0.");
        break;
    }
    out.limits = "различие f(x) и f(−x) меньше 1E-10 их значений и различие между " +
                 std::to_string(s.parityChecks) + " сравненными парами точек.";
    if (s.parity == Parity::Neither)
        out.limits = "ничего: чётность опровергает одна пара точек x и −x (≠ значит различие больше 1E-10 "
                     "значений или значение только в одной из них).";
    if (s.parity == Parity::NotChecked)
        out.limits = "чётность вне части диапазона, симметричной относительно 0: там она не проверяется.";
    return out;
}

StudySection Axes(const FunctionStudy& s) {
    StudySection out{"3. Пересечения с осями", {}, {}};
    if (!s.zeroInRange)
        out.lines.push_back("С осью Oy: ось вне диапазона.");
    else if (s.yIntercept)
        out.lines.push_back("С осью Oy: (0; " + N(*s.yIntercept) + ")");
    else
        out.lines.push_back("С осью Oy: нет, f(0) не определено.");
    if (s.zeros.empty())
        out.lines.push_back("С осью Ox: нет.");
    else
        out.lines.push_back("С осью Ox (нули): x = " +
                            Joined(s.zeros, "; x = ", [](double x) { return N(x); }));
    out.limits = "два нуля ближе шага выборки, если выборка не показывает провала между ними; нуль на краю "
                 "области определения (как у sqrt(2-x^2) в sqrt 2), если на него не попала точка выборки.";
    return out;
}

StudySection Sign(const FunctionStudy& s) {
    StudySection out{"4. Знакопостоянство", {}, {}};
    AddIntervals(out, "f(x) > 0", s.positive);
    AddIntervals(out, "f(x) < 0", s.negative);
    AddIntervals(out, "f(x) = 0", s.zeroStretches);
    if (out.lines.empty())
        out.lines.push_back("Знак не определён: у графика нет значений.");
    out.limits = "перемены знака внутри шага выборки, которые не найдены как нули (два близких нуля, скачок "
                 "через 0 без точки без значения).";
    return out;
}

std::string DerivativeLine(const std::string& name, const StudyDerivative& d) {
    if (!d.error.empty())
        return name + ": компонент дифференцирования не дал производной (" + d.error + ")";
    return name + " = " + d.text;
}

std::string MethodNote(const std::string& name, const StudyDerivative& d, const char* digits) {
    if (d.symbolic)
        return " Значения " + name + " вычислены по её формуле.";
    return std::string(" Значения ") + name + " найдены численно (центральные разности, около " + digits +
           " верных знаков): " +
           (d.error.empty() ? "её формула длиннее 50 знаков или содержит sgn или exp, которых нет в формулах "
                              "графиков."
                            : "формулы производной нет.");
}

StudySection First(const FunctionStudy& s) {
    StudySection out{"5. Производная, монотонность, экстремумы", {DerivativeLine("f′(x)", s.first)}, {}};
    AddIntervals(out, "Возрастает", s.increasing);
    AddIntervals(out, "Убывает", s.decreasing);
    AddIntervals(out, "Постоянна", s.constant);
    if (!s.minima.empty())
        out.lines.push_back("Минимумы (x; y): " + Points(s.minima));
    if (!s.maxima.empty())
        out.lines.push_back("Максимумы (x; y): " + Points(s.maxima));
    if (s.minima.empty() && s.maxima.empty())
        out.lines.push_back("Экстремумов нет.");
    out.limits = "перемены знака f′ внутри шага выборки (монотонность взята по знаку f′ в точках выборки); "
                 "два экстремума в одном шаге выборки и экстремум рядом с точкой без значения." +
                 MethodNote("f′", s.first, "10");
    return out;
}

StudySection Second(const FunctionStudy& s) {
    StudySection out{"6. Вторая производная, выпуклость, перегибы", {DerivativeLine("f″(x)", s.second)}, {}};
    AddIntervals(out, "Выпукла вниз (f″ > 0)", s.convexDown);
    AddIntervals(out, "Выпукла вверх (f″ < 0)", s.convexUp);
    AddIntervals(out, "Прямолинейна (f″ = 0)", s.straight);
    if (s.inflections.empty())
        out.lines.push_back("Точек перегиба нет.");
    else
        out.lines.push_back("Точки перегиба (x; y): " + Points(s.inflections));
    out.limits =
        "перемены знака f″ чаще шага выборки; изломы, которые не экстремумы. Перегиб — только где f″ "
        "меняет знак, а f′ непрерывна: точка, где f″ лишь обращается в 0, и излом — не перегибы." +
        MethodNote("f″", s.second, "7");
    return out;
}

std::string Infinity(int sign) {
    return sign > 0 ? "+∞" : "−∞";
}

std::string Vertical(const VerticalAsymptote& v) {
    std::string sides;
    if (v.left != 0)
        sides = "слева f → " + Infinity(v.left);
    if (v.right != 0)
        sides += (sides.empty() ? "" : ", ") + std::string("справа f → ") + Infinity(v.right);
    return "x = " + N(v.x) + " (" + sides + ")";
}

std::string Line(long double k, long double b) {
    std::string text = "y = ";
    if (k != 0)
        text += (k == 1 ? "" : k == -1 ? "-" : N(k)) + "x";
    if (b != 0 || k == 0) {
        if (k == 0)
            text += N(b);
        else
            text += (b < 0 ? " - " : " + ") + N(std::fabs(b));
    }
    return text;
}

std::string Slant(const char* towards, const SlantAsymptote& a) {
    const std::string when = std::string("При x → ") + towards + ": ";
    switch (a.state) {
    case SlantAsymptote::State::Found:
        return when + (a.k == 0 ? "горизонтальная асимптота " : "наклонная асимптота ") + Line(a.k, a.b);
    case SlantAsymptote::State::NoValues:
        return when + "у графика нет значений.";
    case SlantAsymptote::State::NotFound:
        break;
    }
    return when + "асимптота не найдена (оценки k и b не сходятся).";
}

StudySection Asymptotes(const FunctionStudy& s) {
    StudySection out{"7. Асимптоты", {}, {}};
    if (s.verticals.empty())
        out.lines.push_back("Вертикальных асимптот на диапазоне нет.");
    else
        out.lines.push_back("Вертикальные: " + Joined(s.verticals, "; ", Vertical));
    out.lines.push_back(Slant("+∞", s.towardsPlus));
    out.lines.push_back(Slant("−∞", s.towardsMinus));
    out.limits =
        "рост |f| медленнее логарифма и колебания с растущим размахом (они делают множество значений "
        "неограниченным, но асимптотой не считаются); сходимость k и b медленнее той, что видна при |x| "
        "от 1,27·max(1, |xmin|, |xmax|) до 4^15 раз дальше.";
    return out;
}

StudySection Values(const FunctionStudy& s) {
    StudySection out{"8. Множество значений", {}, {}};
    if (!s.hasValues) {
        out.lines.push_back("У графика нет значений на диапазоне.");
    } else {
        out.lines.push_back(s.unboundedBelow ? std::string("Снизу не ограничено (f → −∞)")
                                             : "Наименьшее значение: " + N(s.least));
        out.lines.push_back(s.unboundedAbove ? std::string("Сверху не ограничено (f → +∞)")
                                             : "Наибольшее значение: " + N(s.greatest));
    }
    out.limits =
        "значения между точками выборки вне экстремумов и концов; при разрывах не все значения между "
        "наименьшим и наибольшим принимаются; неограниченность видна по вертикальным асимптотам и по "
        "значениям больше 1E8 типичных у границ области.";
    return out;
}

} // namespace

std::string IntervalText(const StudyInterval& i) {
    if (i.from == i.to)
        return "{" + N(i.from) + "}";
    return (i.fromIncluded ? "[" : "(") + N(i.from) + "; " + N(i.to) + (i.toIncluded ? "]" : ")");
}

std::vector<StudySection> StudySections(const FunctionStudy& study) {
    return {Domain(study), ParityOf(study), Axes(study),       Sign(study),
            First(study),  Second(study),   Asymptotes(study), Values(study)};
}

} // namespace orvex
