#include "tests/state/StateLayout.h"

#include "state/ToolState.h"

#include <bit>
#include <cstdio>
#include <initializer_list>

namespace {

constexpr FieldType F64 = FieldType::F64;
constexpr FieldType I32 = FieldType::I32;
constexpr FieldType U16 = FieldType::U16;

// A field by its offset in its record and its member.
template <class Model>
struct At {
    At(long at, const char* field, double Model::*member) : offset(at), name(field), type(F64), real(member) {}
    At(long at, const char* field, int Model::*member, FieldType fieldType)
        : offset(at), name(field), type(fieldType), integer(member)
    {
    }

    long offset;
    const char* name;
    FieldType type;
    double Model::*real = nullptr;
    int Model::*integer = nullptr;
};

template <class Model>
void AddRecord(std::vector<LayoutRow>& rows, const char* record, long start, Model& (*model)(ToolModels&),
               std::initializer_list<At<Model>> fields)
{
    for (const At<Model>& field : fields) {
        LayoutRow row{std::string(record) + ": " + field.name, start + field.offset, field.type, {}, {}};
        if (field.real)
            row.real = [model, member = field.real](ToolModels& m) { return &(model(m).*member); };
        else
            row.integer = [model, member = field.integer](ToolModels& m) { return &(model(m).*member); };
        rows.push_back(std::move(row));
    }
}

using L = CKOTLink;

void AddLinkRecord(std::vector<LayoutRow>& rows, const char* record, long start, L& (*link)(ToolModels&))
{
    AddRecord<L>(rows, record, start, link,
                 {
                     {0, "Frequency", &L::m_frequency},
                     {8, "frequency display unit", &L::m_frequencyDisplay, I32},
                     {12, "Wavelength", &L::m_wavelength},
                     {20, "wavelength display unit", &L::m_wavelengthDisplay, I32},
                     {24, "Transmit Power", &L::m_txPower},
                     {32, "Transmit Peak Gain", &L::m_txPeakGain},
                     {40, "Transmit Relative Gain", &L::m_txRelativeGain},
                     {48, "Transmit Dish Size", &L::m_txDishSize},
                     {56, "Transmit Dish Size again", &L::m_txDishSize},
                     {64, "Transmit Efficiency", &L::m_txEfficiency},
                     {72, "Transmit Theta 3dB", &L::m_txBeamwidth},
                     {80, "Transmit Offaxis Angle", &L::m_txOffAxisAngle},
                     {88, "Transmit Gain Pattern", &L::m_txPattern, U16},
                     {90, "Free space path length", &L::m_pathLength},
                     {98, "Free space path losses", &L::m_pathLoss},
                     {106, "Other losses", &L::m_otherLosses},
                     {114, "Receive Power", &L::m_rxPower},
                     {122, "Receive Peak Gain", &L::m_rxPeakGain},
                     {130, "Receive Relative Gain", &L::m_rxRelativeGain},
                     {138, "Receive Dish Size", &L::m_rxDishSize},
                     {146, "Receive Dish Size again", &L::m_rxDishSize},
                     {154, "Receive Efficiency", &L::m_rxEfficiency},
                     {162, "Receive Theta 3dB", &L::m_rxBeamwidth},
                     {170, "Receive Offaxis Angle", &L::m_rxOffAxisAngle},
                     {178, "Receive Gain Pattern", &L::m_rxPattern, U16},
                     {180, "Receiver Noise", &L::m_noise},
                     {188, "Receiver Temperature", &L::m_temperature},
                     {196, "C/N", &L::m_cn},
                 });
}

std::vector<LayoutRow> MakeLayout()
{
    std::vector<LayoutRow> rows;
    AddRecord<CKOTDB>(rows, "dB", 2, [](ToolModels& m) -> CKOTDB& { return m.db; },
                      {
                          {0, "absolute value", &CKOTDB::m_absolute},
                          {8, "dB value", &CKOTDB::m_db},
                      });
    AddRecord<CKOTFreq>(rows, "frequency", 20, [](ToolModels& m) -> CKOTFreq& { return m.freq; },
                        {
                            {0, "Frequency", &CKOTFreq::m_frequency},
                            {8, "Wavelength", &CKOTFreq::m_wavelength},
                            {16, "frequency display unit", &CKOTFreq::m_frequencyDisplay, I32},
                            {20, "wavelength display unit", &CKOTFreq::m_wavelengthDisplay, I32},
                        });
    // Not in the order of the variables: the distance comes first.
    AddRecord<CKOTPath>(rows, "path loss", 46, [](ToolModels& m) -> CKOTPath& { return m.path; },
                        {
                            {0, "Distance", &CKOTPath::m_distance},
                            {8, "Frequency", &CKOTPath::m_frequency},
                            {16, "Free space loss", &CKOTPath::m_loss},
                            {24, "frequency display unit", &CKOTPath::m_frequencyDisplay, I32},
                        });
    AddRecord<CKOTSpread>(rows, "spreading loss", 76, [](ToolModels& m) -> CKOTSpread& { return m.spread; },
                          {
                              {0, "Distance", &CKOTSpread::m_distance},
                              {8, "Spread loss", &CKOTSpread::m_loss},
                          });
    AddRecord<CKOTFOV1>(rows, "orbit period", 94, [](ToolModels& m) -> CKOTFOV1& { return m.fov1; },
                        {
                            {0, "Height above Earth", &CKOTFOV1::m_height},
                            {8, "Semi major axis", &CKOTFOV1::m_semiMajorAxis},
                            {16, "Orbit Period", &CKOTFOV1::m_period},
                        });
    AddRecord<CKOTFOV2>(rows, "field of view", 120, [](ToolModels& m) -> CKOTFOV2& { return m.fov2; },
                        {
                            {0, "Height above Earth", &CKOTFOV2::m_height},
                            {8, "Elevation angle", &CKOTFOV2::m_elevation},
                            {16, "Distance to Horizon", &CKOTFOV2::m_distance},
                            {24, "Angle at satellite", &CKOTFOV2::m_nadirAngle},
                            {32, "edited variable", &CKOTFOV2::m_editedVar, U16},
                            {34, "fixed variable", &CKOTFOV2::m_fixedVar, U16},
                        });
    AddRecord<CKOTTemp>(rows, "noise temperature", 158, [](ToolModels& m) -> CKOTTemp& { return m.temp; },
                        {
                            {0, "Noise", &CKOTTemp::m_noise},
                            {8, "Temperature", &CKOTTemp::m_temperature},
                            {16, "Bandwidth", &CKOTTemp::m_bandwidth},
                        });
    AddRecord<CKOTGain>(rows, "peak gain", 184, [](ToolModels& m) -> CKOTGain& { return m.gain; },
                        {
                            {0, "Dish size", &CKOTGain::m_dishSize},
                            {8, "Efficiency", &CKOTGain::m_efficiency},
                            {16, "Peak gain", &CKOTGain::m_peakGain},
                            {24, "Frequency", &CKOTGain::m_frequency},
                            {32, "frequency display unit", &CKOTGain::m_frequencyDisplay, I32},
                        });
    // Not in the order of the variables: the relative gain comes before the peak gain.
    AddRecord<CKOTOff>(rows, "off-axis gain", 222, [](ToolModels& m) -> CKOTOff& { return m.off; },
                       {
                           {0, "Offaxis angle", &CKOTOff::m_offAxisAngle},
                           {8, "Relative gain", &CKOTOff::m_relativeGain},
                           {16, "Peak gain", &CKOTOff::m_peakGain},
                           {24, "Theta 3dB", &CKOTOff::m_beamwidth},
                           {32, "Gain Pattern", &CKOTOff::m_pattern, U16},
                       });
    AddRecord<CKOTGtoT>(rows, "G/T", 258, [](ToolModels& m) -> CKOTGtoT& { return m.gtot; },
                        {
                            {0, "Peak gain", &CKOTGtoT::m_peakGain},
                            {8, "Temperature", &CKOTGtoT::m_temperature},
                            {16, "G/T", &CKOTGtoT::m_gtot},
                        });
    AddRecord<CKOTT3dB>(rows, "beamwidth", 284, [](ToolModels& m) -> CKOTT3dB& { return m.t3db; },
                        {
                            {0, "Efficiency", &CKOTT3dB::m_efficiency},
                            {8, "Peak gain", &CKOTT3dB::m_peakGain},
                            {16, "Theta 3dB", &CKOTT3dB::m_beamwidth},
                        });
    using P = CKOTPFD;
    AddRecord<P>(rows, "PFD", 310, [](ToolModels& m) -> P& { return m.pfd; },
                 {
                     {0, "Frequency", &P::m_frequency},
                     {8, "frequency display unit", &P::m_frequencyDisplay, I32},
                     {12, "Wavelength", &P::m_wavelength},
                     {20, "wavelength display unit", &P::m_wavelengthDisplay, I32},
                     {24, "Transmit Power", &P::m_txPower},
                     {32, "Transmit Peak Gain", &P::m_txPeakGain},
                     {40, "Transmit Relative Gain", &P::m_txRelativeGain},
                     {48, "Transmit Dish Size", &P::m_txDishSize},
                     {56, "Transmit Efficiency", &P::m_txEfficiency},
                     {64, "Transmit Theta 3dB", &P::m_txBeamwidth},
                     {72, "Transmit Offaxis Angle", &P::m_txOffAxisAngle},
                     {80, "Transmit Gain Pattern", &P::m_txPattern, U16},
                     {82, "Path length", &P::m_pathLength},
                     {90, "Spreading factor", &P::m_spreading},
                     {98, "Other losses", &P::m_otherLosses},
                     {106, "Receive Peak Gain", &P::m_rxPeakGain},
                     {114, "Receive Relative Gain", &P::m_rxRelativeGain},
                     {122, "Receive Dish Size", &P::m_rxDishSize},
                     {130, "Receive Efficiency", &P::m_rxEfficiency},
                     {138, "Receive Theta 3dB", &P::m_rxBeamwidth},
                     {146, "Receive Offaxis Angle", &P::m_rxOffAxisAngle},
                     {154, "Receive Gain Pattern", &P::m_rxPattern, U16},
                     {156, "PFD", &P::m_pfd},
                     {164, "include-receive-gain flag", &P::m_includeReceiveGain, I32},
                 });
    AddLinkRecord(rows, "link", 480, [](ToolModels& m) -> L& { return m.link; });
    AddRecord<CKOTCtoNI>(rows, "C/(N+I)", 686, [](ToolModels& m) -> CKOTCtoNI& { return m.ctoni; },
                         {
                             {0, "C/N", &CKOTCtoNI::m_cn},
                             {8, "I/N", &CKOTCtoNI::m_in},
                             {16, "C/I", &CKOTCtoNI::m_ci},
                             {24, "C/(N+I)", &CKOTCtoNI::m_cni},
                             {32, "fixed-variable choice", &CKOTCtoNI::m_fixedVar, U16},
                         });
    // After the C/(N+I) tool's own name record.
    AddLinkRecord(rows, "C/(N+I) wanted link", 722, [](ToolModels& m) -> L& { return m.ctoni.m_wanted; });
    return rows;
}

std::uint64_t BitsAt(const Bytes& file, long offset, long size)
{
    std::uint64_t bits = 0;
    for (long i = size; i-- > 0;)
        bits = bits << 8 | file.at(static_cast<std::size_t>(offset + i));
    return bits;
}

void PutBits(Bytes& file, long offset, long size, std::uint64_t bits)
{
    for (long i = 0; i < size; ++i, bits >>= 8)
        file.at(static_cast<std::size_t>(offset + i)) = static_cast<unsigned char>(bits & 0xFF);
}

long SizeOf(FieldType type)
{
    return type == FieldType::F64 ? 8 : type == FieldType::I32 ? 4 : 2;
}

} // namespace

const std::vector<LayoutRow>& Layout()
{
    static const std::vector<LayoutRow> rows = MakeLayout();
    return rows;
}

double DistinctiveReal(std::size_t index)
{
    return 1000.125 + static_cast<double>(index);
}

int DistinctiveInt(std::size_t index, FieldType type)
{
    return type == FieldType::U16 ? 40000 + static_cast<int>(index) : -100 - static_cast<int>(index);
}

void SetDistinctive(ToolModels& models, std::size_t index)
{
    const LayoutRow& row = Layout().at(index);
    if (row.real)
        *row.real(models) = DistinctiveReal(index);
    else
        *row.integer(models) = DistinctiveInt(index, row.type);
}

void SetDistinctive(ToolModels& models)
{
    for (std::size_t index = 0; index < Layout().size(); ++index)
        SetDistinctive(models, index);
}

Bytes DistinctiveFile()
{
    Bytes file(static_cast<std::size_t>(StateFileSize), 0);
    file[0] = 1;
    for (std::size_t index = 0; index < Layout().size(); ++index) {
        const LayoutRow& row = Layout()[index];
        if (row.real)
            PutF64(file, row.offset, DistinctiveReal(index));
        else
            PutInt(file, row.offset, row.type, DistinctiveInt(index, row.type));
    }
    return file;
}

Bytes Save(const ToolModels& models)
{
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    if (!file)
        return {};
    WriteToolStates(file, models);
    Bytes bytes(static_cast<std::size_t>(std::ftell(file)));
    std::rewind(file);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    return bytes;
}

bool Load(const Bytes& bytes, ToolModels& models)
{
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    if (!file)
        return false;
    // An empty vector may have no storage at all, and fwrite must not see a null pointer.
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    const bool loaded = ReadToolStates(file, models);
    std::fclose(file);
    return loaded;
}

std::uint64_t FieldBits(const Bytes& file, const LayoutRow& row)
{
    const std::uint64_t bits = BitsAt(file, row.offset, row.Size());
    // An integer field as the int it stands for, so that it compares with the member.
    if (row.type == FieldType::I32)
        return static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(bits)));
    return bits;
}

std::uint64_t MemberBits(const ToolModels& models, const LayoutRow& row)
{
    ToolModels& readOnly = const_cast<ToolModels&>(models);
    if (row.real)
        return std::bit_cast<std::uint64_t>(*row.real(readOnly));
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(*row.integer(readOnly)));
}

double F64At(const Bytes& file, long offset)
{
    return std::bit_cast<double>(BitsAt(file, offset, 8));
}

void PutF64(Bytes& file, long offset, double value)
{
    PutBits(file, offset, 8, std::bit_cast<std::uint64_t>(value));
}

void PutInt(Bytes& file, long offset, FieldType type, int value)
{
    PutBits(file, offset, SizeOf(type), static_cast<std::uint64_t>(static_cast<std::uint32_t>(value)));
}

void ExpectSavedFieldsEqual(const ToolModels& actual, const ToolModels& expected)
{
    for (const LayoutRow& row : Layout())
        EXPECT_EQ(MemberBits(actual, row), MemberBits(expected, row)) << row.label;
}
