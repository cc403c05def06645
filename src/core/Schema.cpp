#include "Schema.h"

#include <QRegularExpression>

namespace {

FieldType typeOf(const QString& code, int* size)
{
    *size = 0;
    const QChar c = code.at(0);
    if (code.size() > 1) *size = code.mid(1).toInt();
    switch (c.unicode()) {
    case '+': return FieldType::AutoInc;
    case 'I': return FieldType::Integer;
    case 'S': return FieldType::SmallInt;
    case 'L': return FieldType::Logical;
    case '$': return FieldType::Money;
    case 'D': return FieldType::Date;
    case 'T': return FieldType::Text;
    case 'M': return FieldType::Memo;
    case 'F': return FieldType::FormattedMemo;
    }
    qFatal("unknown field type code %s", qPrintable(code));
}

// "P39-P42" -> P39..P42; "F21_8-F21_15" -> F21_8..F21_15; a plain name stays.
QStringList expand(const QString& item)
{
    static const QRegularExpression range(QStringLiteral("^(.*?)(\\d+)-(\\1)(\\d+)$"));
    const auto m = range.match(item);
    if (!m.hasMatch()) return {item};
    QStringList out;
    for (int i = m.captured(2).toInt(); i <= m.captured(4).toInt(); ++i)
        out << m.captured(1) + QString::number(i);
    return out;
}

QString personColumns(const QString& prefix)
{
    return QStringLiteral("%1NIP:T13; %1Nazwisko:T50; %1Imie:T30; %1DataUr:D; %1Pesel:T11;"
                          "%1Kraj,%1Wojew,%1Powiat,%1Gmina,%1Ulica:T30; %1Posesja,%1Lokal:T10;"
                          "%1Miasto:T30; %1KodPoczt:T10; %1Poczta:T30; %1Konto:T50")
        .arg(prefix);
}

QString childColumns()
{
    QString s;
    for (int k = 1; k <= 5; ++k) {
        const QString d = u'D' + QString::number(k);
        s += QStringLiteral("; ") + d + QStringLiteral("Pesel:T11; ") + d + QStringLiteral("Nazwisko,") + d +
             QStringLiteral("Imie:T50; ") + d + QStringLiteral("DataUr:D; ") + d + QStringLiteral("5Caly:L; ") + d +
             QStringLiteral("5:T12; ") + d + QStringLiteral("6Caly:L; ") + d + QStringLiteral("6:T12");
    }
    return s;
}

TTableDef def(const char* component, const char* file, const char* sqlName, const QString& columns,
              QStringList key, QString orderBy = QString(), QString index = QString())
{
    TTableDef d;
    d.component = QString::fromLatin1(component);
    d.fileName = QString::fromLatin1(file);
    d.sqlName = QString::fromLatin1(sqlName);
    d.fields = ParseFieldList(columns);
    d.key = std::move(key);
    d.orderBy = orderBy.isEmpty() ? d.key.join(QStringLiteral(", ")) : orderBy;
    d.indexName = std::move(index);
    return d;
}

QVector<TTableDef> buildDefs()
{
    const QString podatnik =
        QStringLiteral("PodatId:+; Sposob:S; Glowny:T10; PitBPod,PitBMal:S;"
                       " PitDPod,PitDMal,Pit2K,PitMPod,PitMMal:L; PitO:S;"
                       " PitZPod,PitZMal,Nip1Pod,Nip1Mal,Nip3Pod,Nip3Mal:L; UrzadId:S; ") +
        personColumns(QString()) + u';' + personColumns(QStringLiteral("M")) +
        QStringLiteral("; Notatki:F120; SSERPod,SSERMal:L; PitZGPod,PitZGMal:S");
    const QString opp = QStringLiteral("; NazwaOPP:T100; NumerOPP:T20; KwotaOPP:$");
    const QStringList byId{QStringLiteral("PodatId")};
    const QStringList byPerson{QStringLiteral("PodatId"), QStringLiteral("Rodz")};
    const QStringList byAttachment{QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("NrZal")};

    QVector<TTableDef> v;
    TTableDef p = def("Podatnik", "Podatnik.db", "Podatnik", podatnik, byId,
                      QStringLiteral("Nazwisko COLLATE POLISH, Imie COLLATE POLISH"),
                      QStringLiteral("NazwiskoImie"));
    p.calculatedLp = true;
    v << p;
    TTableDef a = p;
    a.component = QStringLiteral("aPodatnik");
    a.orderBy = QStringLiteral("PodatId");
    a.indexName.clear();
    a.calculatedLp = false;
    v << a;

    v << def("Pit36", "Pit36.db", "Pit36",
             QStringLiteral("PodatId:I; P7,P8,P10_1,P10_2,P39-P42,P39a,P40a,P41a,P42a:L; P43,P44:S;"
                            " P45,P46,P49,P50,P52,P57,P59,P60,P63,P64,P65,P68,P69,P70,P73,P74,P75,"
                            "P78,P79,P80,P83,P88,P89,P92,P93,P95,P100,P102,P103,P106,P107,P108,P111,"
                            "P112,P113,P116,P117,P118,P121,P122,P123,P126,P135,P136:$; Straty:T100;"
                            " P137-P142,P147-P150,P153,P154,P172,P176-P179,P182,P184,P186,P187,"
                            "P192-P202,P209-P304:$; P308:M200; P309:T80; P310:L; P320,P321,P322:S;"
                            " P323_1,P323_2,P324_1,P324_2,P324_3:L; P325:M200") +
                 opp + QStringLiteral("; Pelnomocnik:T80"),
             byId);
    v << def("Pit36L", "Pit36L.db", "Pit36L",
             QStringLiteral("PodatId:I; P6_1,P6_2,P21,P22:L; P23:S; P28,P29,P30,P33:$; Straty:T100;"
                            " P34,P35,P36,P47,P50,P51,P52,P54,P59-P64,P69-P104:$; P108:T100; P109:T80;"
                            " P110:L; P115,P116:S") +
                 opp + QStringLiteral("; Pelnomocnik:T80"),
             byId);
    v << def("Pit37", "Pit37.db", "Pit37",
             QStringLiteral("PodatId:I; P7,P8,P10_1,P10_2:L; P39,P40,P43,P44,P46,P47,P48,P51,P52,P53,"
                            "P56,P57,P58,P61,P66,P67,P70,P71,P73,P74,P75,P78,P79,P80,P83,P84,P85,P88,"
                            "P93-P96,P101,P102,P108,P110-P113,P117:$; P127:T100; P128:T80;"
                            " P129,P135_1,P135_2,P136_1,P136_2,P136_3:L; P137:M240; Certyfikat:S") +
                 opp + QStringLiteral("; Pelnomocnik:T80"),
             byId);
    v << def("Pit38", "Pit38.db", "Pit38",
             QStringLiteral("PodatId:I; P6_1,P6_2:L; P21-P24,P29,P31,P33,P34,P37-P41,P46-P57:$") + opp +
                 QStringLiteral("; P61:M200; P62:T80; P63:L; Pelnomocnik:T80"),
             byId);
    v << def("PitB", "PitB.DB", "PitB",
             QStringLiteral("PodatId:I; Rodz:T1; NrZal:S; P8:T80; P9:T9; P10:T100; P11,P12:$; P14:T80;"
                            " P15:T9; P16:T100; P17,P18:$; P20:M240; P21:$; P22:T13; P23:T9; P24:M240;"
                            " P25-P28:$; P31:M240; P32:$; P33:T13; P34:T9; P35:T100; P36-P39:$;"
                            " P42:M240; P43:$; P44:T13; P45:T9; P46:T100; P47-P50:$"),
             byAttachment);
    v << def("PitD", "PitD.db", "PitD",
             QStringLiteral("PodatId:I; P32,P33,P35-P38:$; P39:M100; P40,P41,P43,P45-P50,P52,P54-P57:$"),
             byId);
    v << def("Pit2K", "Pit2K.db", "Pit2K",
             QStringLiteral("PodatId:I; RokKred:S; KwKred:$; RokBud,RokZak:S; Budowa,Wklad,Zakup,Nadbud:L;"
                            " KwWydat,KwFakt:$; DataDekl:D"),
             byId);
    v << def("PitM", "PitM.db", "PitM",
             QStringLiteral("PodatId:I; Rodz:T1; P7,P9,P10,P11,P14,P15,P16,P19,P20,P21,P24:$; P29_1,P29_2:L"),
             byPerson);
    v << def("PitO", "PitO.db", "PitO",
             QStringLiteral("PodatId:I; NrZal,Glowny:S; Indyw:L; P13-P24:$; P25:M100; P26,P27,P30-P33:$;"
                            " P34:S; P35-P38:$; P39:M100; P40,P41:$; P44:T100; P45,P46,P47:T30;"
                            " P48,P49,P50:T10; P51:T30; P52,P53:$; P54:T100; P55,P56,P57:T30;"
                            " P58,P59,P60:T10; P61:T30; P62,P63:$") +
                 childColumns(),
             {QStringLiteral("PodatId"), QStringLiteral("NrZal")});
    v << def("PitZ", "PitZ.db", "PitZ",
             QStringLiteral("PodatId:I; Rodz:T1; P7,P8,P11,P12,P15,P16,P19-P25:$; P28:S; P29,P33-P36:$"),
             byPerson);
    v << def("PitZG", "PitZG.db", "PitZG",
             QStringLiteral("PodatId:I; Rodz:T1; NrZal:S; P7:T80;"
                            " P11,P12,P14,P15,P17,P18,P20,P21,P23,P24,P26,P31,P33:$"),
             byAttachment);
    v << def("NIP1", "NIP1.DB", "NIP1",
             QStringLiteral("PodatId:I; Rodz:T1; F4_1,F4_2:L; F5:T100; F6_1,F6_2:L; F7:T100; F8:T11;"
                            " F11,F12,F13:T50; F14:D; F15:T50; F16_1,F16_2:L; F17:T50; F18:T30; F19:T15;"
                            " F20:T80; F21_8-F21_15,F21_17-F21_20:L; F22-F25:T30; F26:D; F27-F30:T30;"
                            " F31:T50; F32,F33:T10; F34:T50; F35:T10; F36:T30; F37,F38:L; F39:D;"
                            " F40-F43:T30; F44:T50; F45,F46:T10; F47:T50; F48:T10; F49,F50,F51:T30;"
                            " F52:M30; F53:T30; F54:T50; F55:T80; F56:T26; F57:L; F58:D; F59:T9;"
                            " F60:M240; F61:T4; F62_1,F62_2,F62_3:L; F63:T30; F64,F65:T80;"
                            " F66,F67,F68:T30; F69,F70:T80; F71:T30; F72:L; F73:T30; F74,F75:T80;"
                            " F76:T30; F77,F78_1,F78_2,F78_3,F78_4,F79_1,F79_2:L; F80:T10; F81:T80;"
                            " F82-F85:T30; F86:T50; F87,F88:T10; F89:T50; F90:T10; F91:T30;"
                            " F92,F93:T80; F94:D; F95:T11; F96,F97:T80; F98:L; F99:D; F100-F104:T50;"
                            " F105,F106:T10; F107:T50; F108:T10; F109:T50; F110_1,F110_2:L;"
                            " F111-F115:T50; F116,F117:T10; F118:T50; F119:T10; F120:T50; F121:T80;"
                            " F122,F123:S; F124_1-F124_7:L; F125,F126:T50; F127:T10; F128:T80; F129:D"),
             byPerson);
    v << def("NIP3", "Nip3.DB", "Nip3",
             QStringLiteral("PodatId:I; Rodz:T1; F4_1,F4_2:L; F5:T100; F6_1,F6_2:L; F7:T100; F8:T11;"
                            " F11,F12,F13:T30; F14:D; F15:T50; F16_1,F16_2:L; F17,F18:T50; F19:T15;"
                            " F20:T80; F21_8-F21_15,F21_17-F21_20:L; F22-F25:T30; F26:D; F37,F38:L;"
                            " F39:D; F40-F44:T30; F45,F46:T10; F47:T30; F48:T10; F49,F50:T30;"
                            " F51,F52:T20; F53:T30; F54,F55:T80; F56:T26; F57:L; F58:D; F59,F60:L;"
                            " F61,F62:T30; F63:T10; F64:T80; F65:D; F67:T10; F68:T80"),
             byPerson);
    v << def("Urzedy", "Urzedy.db", "Urzedy",
             QStringLiteral("UrzadId:+; Nazwa:T80; NazwaA,NazwaB:T27; Konto:T34"),
             {QStringLiteral("UrzadId")}, QStringLiteral("Nazwa COLLATE POLISH"), QStringLiteral("NazwaIdx"));
    v << def("Imiona", "Imiona.DB", "Imiona", QStringLiteral("Imie:T20; Plec:T1"),
             {QStringLiteral("Imie"), QStringLiteral("Plec")});
    v << def("Domysl", "Domysl.db", "Domysl",
             QStringLiteral("Kraj:T30; Wojew:T20; Powiat,Gmina:T30; Miasto:T40; KodPoczt:T10; Poczta:T30;"
                            " UrzadId:S; Biuro_NIP:T13; Biuro_Nazwa,Biuro_AdresKor:T80; Biuro_Kraj:T30;"
                            " Biuro_Wojew:T20; Biuro_Powiat,Biuro_Gmina:T30; Biuro_Ulica:T40;"
                            " Biuro_Posesja,Biuro_Lokal:T10; Biuro_Miasto:T40; Biuro_KodPoczt:T10;"
                            " Biuro_Poczta:T30; Biuro_Rep_NIP:T13; Biuro_Rep_Imie:T30;"
                            " Biuro_Rep_Nazwisko:T50; Biuro_Rep_AdresKor:T90"),
             {});
    v << def("Marginesy", "Margin.db", "Margin", QStringLiteral("SymbolPit:T10; Strona,Lewy,Gorny:S"),
             {QStringLiteral("SymbolPit"), QStringLiteral("Strona")});
    v << def("Korekta", "Korekta.db", "Korekta",
             QStringLiteral("Pit:T10; Pole:S; Opis:T5; Hint:T65; KorX,KorY:S"),
             {QStringLiteral("Pit"), QStringLiteral("Pole")});
    v << def("KwotyTbl", "Kwoty.db", "Kwoty",
             QStringLiteral("PodatId:I; Rodz:T1; Pit:T10; NrZal,Pole:S; Porz:+; Opis:T50; Kwota:$"),
             {QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("Pit"), QStringLiteral("NrZal"),
              QStringLiteral("Pole"), QStringLiteral("Porz")});
    v << def("OdlRehab", "OdlRehab.db", "OdlRehab",
             QStringLiteral("PodatId:I; Rodz:T1; P1-P18:$; Ed1,Ed2,Ed3:T50"), byPerson);
    v << def("Opp", "OPP.db", "OPP", QStringLiteral("KRS:T20; Nazwa:T120; Wojew:T30; Miasto:T50"),
             {QStringLiteral("KRS")});
    v << def("Utrata", "Utrata.db", "Utrata", QStringLiteral("PodatId:I; Rodz:T1; Gosp,Rol:$"), byPerson);
    v << def("Zagranica", "Zagranica.db", "Zagranica",
             QStringLiteral("PodatId:I; Rodz:T1; NrZal,Pole:S; Przychod,Koszty:$"),
             {QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("NrZal"), QStringLiteral("Pole")});
    return v;
}

QString sqlType(FieldType t)
{
    switch (t) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::Logical: return QStringLiteral("INTEGER");
    case FieldType::AutoInc: return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Money: return QStringLiteral("REAL");
    default: return QStringLiteral("TEXT");
    }
}

}  // namespace

int TTableDef::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVector<TFieldDef> ParseFieldList(const QString& spec)
{
    QVector<TFieldDef> out;
    for (const QString& group : spec.split(u';', Qt::SkipEmptyParts)) {
        const QString g = group.trimmed();
        if (g.isEmpty()) continue;
        const int colon = g.lastIndexOf(u':');
        Q_ASSERT(colon > 0);
        int size = 0;
        const FieldType type = typeOf(g.mid(colon + 1).trimmed(), &size);
        for (const QString& item : g.left(colon).split(u',', Qt::SkipEmptyParts))
            for (const QString& name : expand(item.trimmed()))
                out.push_back(TFieldDef{name, type, size});
    }
    return out;
}

const QVector<TTableDef>& AllTableDefs()
{
    static const QVector<TTableDef> defs = buildDefs();
    return defs;
}

const TTableDef* FindTableDef(const QString& component)
{
    for (const TTableDef& d : AllTableDefs())
        if (d.component.compare(component, Qt::CaseInsensitive) == 0) return &d;
    return nullptr;
}

const TTableDef* FindTableDefBySqlName(const QString& sqlName)
{
    for (const TTableDef& d : AllTableDefs())
        if (d.sqlName.compare(sqlName, Qt::CaseInsensitive) == 0) return &d;
    return nullptr;
}

QStringList CreateStatements(const TTableDef& d)
{
    QStringList cols;
    for (const TFieldDef& f : d.fields) {
        QString c = QStringLiteral("\"%1\" %2").arg(f.name, sqlType(f.type));
        if (f.type == FieldType::Text && f.size > 0)
            c += QStringLiteral(" CHECK (length(\"%1\") <= %2)").arg(f.name).arg(f.size);
        cols << c;
    }
    QStringList out;
    out << QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (%2)").arg(d.sqlName, cols.join(QStringLiteral(", ")));
    if (!d.key.isEmpty()) {
        QStringList k;
        for (const QString& c : d.key) k << QStringLiteral("\"%1\"").arg(c);
        out << QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS \"%1_Key\" ON \"%1\" (%2)")
                   .arg(d.sqlName, k.join(QStringLiteral(", ")));
    }
    if (!d.indexName.isEmpty())
        out << QStringLiteral("CREATE INDEX IF NOT EXISTS \"%1\" ON \"%2\" (%3)").arg(d.indexName, d.sqlName, d.orderBy);
    return out;
}
