// Each tool model's record in kortools.dat, described once as the list of its fields in file
// order, and moved by one reader and one writer. The order is the file's, which is not always
// the order of the variables: the path-loss and off-axis records differ from it, the link's
// record holds each dish size twice, and the C/(N+I) record carries the wanted link's whole
// record after its own.
#include "models/KOTCtoNI.h"
#include "models/KOTDB.h"
#include "models/KOTFOV1.h"
#include "models/KOTFOV2.h"
#include "models/KOTFreq.h"
#include "models/KOTGain.h"
#include "models/KOTGtoT.h"
#include "models/KOTLink.h"
#include "models/KOTOff.h"
#include "models/KOTPFD.h"
#include "models/KOTPath.h"
#include "models/KOTSpread.h"
#include "models/KOTT3dB.h"
#include "models/KOTTemp.h"
#include "state/FieldIO.h"

#include <span>

namespace {

// One field: its type in the file and the member that holds it.
template <class Model>
struct Field {
    FieldType type;
    double Model::*real = nullptr;
    int Model::*integer = nullptr;
};

template <class Model>
constexpr Field<Model> F64(double Model::*member)
{
    return {FieldType::F64, member, nullptr};
}

template <class Model>
constexpr Field<Model> I32(int Model::*member)
{
    return {FieldType::I32, nullptr, member};
}

template <class Model>
constexpr Field<Model> U16(int Model::*member)
{
    return {FieldType::U16, nullptr, member};
}

// Assigns the fields in order and then skips the name record. Reading stops at the first field
// the file does not hold whole, so that field and all after it keep their values.
template <class Model>
void ReadRecord(std::FILE* file, Model& model, std::span<const Field<Model>> fields)
{
    for (const Field<Model>& field : fields) {
        bool read = false;
        switch (field.type) {
        case FieldType::F64: read = ReadF64(file, model.*field.real); break;
        case FieldType::I32: read = ReadI32(file, model.*field.integer); break;
        case FieldType::U16: read = ReadU16(file, model.*field.integer); break;
        }
        if (!read)
            return;
    }
    model.ReadNameRecord(file);
}

template <class Model>
void WriteRecord(std::FILE* file, const Model& model, std::span<const Field<Model>> fields)
{
    for (const Field<Model>& field : fields) {
        switch (field.type) {
        case FieldType::F64: WriteF64(file, model.*field.real); break;
        case FieldType::I32: WriteI32(file, model.*field.integer); break;
        case FieldType::U16: WriteU16(file, model.*field.integer); break;
        }
    }
    model.WriteNameRecord(file);
}

using DB = CKOTDB;
constexpr Field<DB> DbRecord[] = {
    F64(&DB::m_absolute),
    F64(&DB::m_db),
};

using Freq = CKOTFreq;
constexpr Field<Freq> FreqRecord[] = {
    F64(&Freq::m_frequency),
    F64(&Freq::m_wavelength),
    I32(&Freq::m_frequencyDisplay),
    I32(&Freq::m_wavelengthDisplay),
};

using Path = CKOTPath;
constexpr Field<Path> PathRecord[] = {
    F64(&Path::m_distance),
    F64(&Path::m_frequency),
    F64(&Path::m_loss),
    I32(&Path::m_frequencyDisplay),
};

using Spread = CKOTSpread;
constexpr Field<Spread> SpreadRecord[] = {
    F64(&Spread::m_distance),
    F64(&Spread::m_loss),
};

using FOV1 = CKOTFOV1;
constexpr Field<FOV1> Fov1Record[] = {
    F64(&FOV1::m_height),
    F64(&FOV1::m_semiMajorAxis),
    F64(&FOV1::m_period),
};

using FOV2 = CKOTFOV2;
constexpr Field<FOV2> Fov2Record[] = {
    F64(&FOV2::m_height),
    F64(&FOV2::m_elevation),
    F64(&FOV2::m_distance),
    F64(&FOV2::m_nadirAngle),
    U16(&FOV2::m_editedVar),
    U16(&FOV2::m_fixedVar),
};

using Temp = CKOTTemp;
constexpr Field<Temp> TempRecord[] = {
    F64(&Temp::m_noise),
    F64(&Temp::m_temperature),
    F64(&Temp::m_bandwidth),
};

using Gain = CKOTGain;
constexpr Field<Gain> GainRecord[] = {
    F64(&Gain::m_dishSize),
    F64(&Gain::m_efficiency),
    F64(&Gain::m_peakGain),
    F64(&Gain::m_frequency),
    I32(&Gain::m_frequencyDisplay),
};

using Off = CKOTOff;
constexpr Field<Off> OffRecord[] = {
    F64(&Off::m_offAxisAngle),
    F64(&Off::m_relativeGain),
    F64(&Off::m_peakGain),
    F64(&Off::m_beamwidth),
    U16(&Off::m_pattern),
};

using GtoT = CKOTGtoT;
constexpr Field<GtoT> GtoTRecord[] = {
    F64(&GtoT::m_peakGain),
    F64(&GtoT::m_temperature),
    F64(&GtoT::m_gtot),
};

using T3dB = CKOTT3dB;
constexpr Field<T3dB> T3dBRecord[] = {
    F64(&T3dB::m_efficiency),
    F64(&T3dB::m_peakGain),
    F64(&T3dB::m_beamwidth),
};

using PFD = CKOTPFD;
constexpr Field<PFD> PfdRecord[] = {
    F64<PFD>(&PFD::m_frequency),
    I32<PFD>(&PFD::m_frequencyDisplay),
    F64<PFD>(&PFD::m_wavelength),
    I32<PFD>(&PFD::m_wavelengthDisplay),
    F64<PFD>(&PFD::m_txPower),
    F64<PFD>(&PFD::m_txPeakGain),
    F64<PFD>(&PFD::m_txRelativeGain),
    F64<PFD>(&PFD::m_txDishSize),
    F64<PFD>(&PFD::m_txEfficiency),
    F64<PFD>(&PFD::m_txBeamwidth),
    F64<PFD>(&PFD::m_txOffAxisAngle),
    U16<PFD>(&PFD::m_txPattern),
    F64<PFD>(&PFD::m_pathLength),
    F64<PFD>(&PFD::m_spreading),
    F64<PFD>(&PFD::m_otherLosses),
    F64<PFD>(&PFD::m_rxPeakGain),
    F64<PFD>(&PFD::m_rxRelativeGain),
    F64<PFD>(&PFD::m_rxDishSize),
    F64<PFD>(&PFD::m_rxEfficiency),
    F64<PFD>(&PFD::m_rxBeamwidth),
    F64<PFD>(&PFD::m_rxOffAxisAngle),
    U16<PFD>(&PFD::m_rxPattern),
    F64<PFD>(&PFD::m_pfd),
    I32<PFD>(&PFD::m_includeReceiveGain),
};

// Each dish size is written twice in a row; reading assigns both, so the second copy stays.
using Link = CKOTLink;
constexpr Field<Link> LinkRecord[] = {
    F64<Link>(&Link::m_frequency),
    I32<Link>(&Link::m_frequencyDisplay),
    F64<Link>(&Link::m_wavelength),
    I32<Link>(&Link::m_wavelengthDisplay),
    F64<Link>(&Link::m_txPower),
    F64<Link>(&Link::m_txPeakGain),
    F64<Link>(&Link::m_txRelativeGain),
    F64<Link>(&Link::m_txDishSize),
    F64<Link>(&Link::m_txDishSize),
    F64<Link>(&Link::m_txEfficiency),
    F64<Link>(&Link::m_txBeamwidth),
    F64<Link>(&Link::m_txOffAxisAngle),
    U16<Link>(&Link::m_txPattern),
    F64<Link>(&Link::m_pathLength),
    F64<Link>(&Link::m_pathLoss),
    F64<Link>(&Link::m_otherLosses),
    F64<Link>(&Link::m_rxPower),
    F64<Link>(&Link::m_rxPeakGain),
    F64<Link>(&Link::m_rxRelativeGain),
    F64<Link>(&Link::m_rxDishSize),
    F64<Link>(&Link::m_rxDishSize),
    F64<Link>(&Link::m_rxEfficiency),
    F64<Link>(&Link::m_rxBeamwidth),
    F64<Link>(&Link::m_rxOffAxisAngle),
    U16<Link>(&Link::m_rxPattern),
    F64<Link>(&Link::m_noise),
    F64<Link>(&Link::m_temperature),
    F64<Link>(&Link::m_cn),
};

// The wanted link's record follows this one's name record.
using CtoNI = CKOTCtoNI;
constexpr Field<CtoNI> CtoNIRecord[] = {
    F64(&CtoNI::m_cn),
    F64(&CtoNI::m_in),
    F64(&CtoNI::m_ci),
    F64(&CtoNI::m_cni),
    U16(&CtoNI::m_fixedVar),
};

} // namespace

void CKOTDB::ReadState(std::FILE* file) { ReadRecord<DB>(file, *this, DbRecord); }
void CKOTDB::WriteState(std::FILE* file) const { WriteRecord<DB>(file, *this, DbRecord); }

void CKOTFreq::ReadState(std::FILE* file) { ReadRecord<Freq>(file, *this, FreqRecord); }
void CKOTFreq::WriteState(std::FILE* file) const { WriteRecord<Freq>(file, *this, FreqRecord); }

void CKOTPath::ReadState(std::FILE* file) { ReadRecord<Path>(file, *this, PathRecord); }
void CKOTPath::WriteState(std::FILE* file) const { WriteRecord<Path>(file, *this, PathRecord); }

void CKOTSpread::ReadState(std::FILE* file) { ReadRecord<Spread>(file, *this, SpreadRecord); }
void CKOTSpread::WriteState(std::FILE* file) const { WriteRecord<Spread>(file, *this, SpreadRecord); }

void CKOTFOV1::ReadState(std::FILE* file) { ReadRecord<FOV1>(file, *this, Fov1Record); }
void CKOTFOV1::WriteState(std::FILE* file) const { WriteRecord<FOV1>(file, *this, Fov1Record); }

void CKOTFOV2::ReadState(std::FILE* file) { ReadRecord<FOV2>(file, *this, Fov2Record); }
void CKOTFOV2::WriteState(std::FILE* file) const { WriteRecord<FOV2>(file, *this, Fov2Record); }

void CKOTTemp::ReadState(std::FILE* file) { ReadRecord<Temp>(file, *this, TempRecord); }
void CKOTTemp::WriteState(std::FILE* file) const { WriteRecord<Temp>(file, *this, TempRecord); }

void CKOTGain::ReadState(std::FILE* file) { ReadRecord<Gain>(file, *this, GainRecord); }
void CKOTGain::WriteState(std::FILE* file) const { WriteRecord<Gain>(file, *this, GainRecord); }

void CKOTOff::ReadState(std::FILE* file) { ReadRecord<Off>(file, *this, OffRecord); }
void CKOTOff::WriteState(std::FILE* file) const { WriteRecord<Off>(file, *this, OffRecord); }

void CKOTGtoT::ReadState(std::FILE* file) { ReadRecord<GtoT>(file, *this, GtoTRecord); }
void CKOTGtoT::WriteState(std::FILE* file) const { WriteRecord<GtoT>(file, *this, GtoTRecord); }

void CKOTT3dB::ReadState(std::FILE* file) { ReadRecord<T3dB>(file, *this, T3dBRecord); }
void CKOTT3dB::WriteState(std::FILE* file) const { WriteRecord<T3dB>(file, *this, T3dBRecord); }

void CKOTPFD::ReadState(std::FILE* file)
{
    ReadRecord<PFD>(file, *this, PfdRecord);
    DeriveUnsavedValues();
}

void CKOTPFD::WriteState(std::FILE* file) const { WriteRecord<PFD>(file, *this, PfdRecord); }

void CKOTLink::ReadState(std::FILE* file)
{
    ReadRecord<Link>(file, *this, LinkRecord);
    DeriveUnsavedValues();
}

void CKOTLink::WriteState(std::FILE* file) const { WriteRecord<Link>(file, *this, LinkRecord); }

void CKOTCtoNI::ReadState(std::FILE* file)
{
    ReadRecord<CtoNI>(file, *this, CtoNIRecord);
    m_wanted.ReadState(file);
    DeriveUnsavedValues();
}

void CKOTCtoNI::WriteState(std::FILE* file) const
{
    WriteRecord<CtoNI>(file, *this, CtoNIRecord);
    m_wanted.WriteState(file);
}
