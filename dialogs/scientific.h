#pragma once
// The scientific calculations (dialog template 238).

#include "dialogs/function_dialog.h"

namespace zovrek::dialogs {

inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kRadiansToDegrees = 57.29577951308232;
inline constexpr double kEulerNumber = 2.718281828459045;

enum class ScientificButton { Sin, Cos, Tan, Log, Ln, Power };

/// z for one function button. angleMode 1 takes the arc functions (asin, acos, atan), any
/// other the angle functions; angleUnit 0 means degrees, any other radians. inverse turns
/// log and ln into pow(10, x) and pow(e, x); Power is pow(x, y) and ignores it.
double scientificResult(ScientificButton button, double x, double y, int angleMode,
                        int angleUnit, bool inverse);

/// Members and buttons of CScientificDlg.
class ScientificDialog : public SpecialFunctionDialog {
public:
    static constexpr int kArcAngleRadioId = 1106, kInputId = 1118, kAngleRadioId = 1119,
                         kSinId = 1120, kCosId = 1121, kTanId = 1122, kLogId = 1123,
                         kLnId = 1124, kPowerId = 1125, kResultId = 1126, kExponentId = 1127,
                         kInverseId = 1132, kClearId = 1134, kDegreesRadioId = 1135,
                         kRadiansRadioId = 1136;

    using SpecialFunctionDialog::SpecialFunctionDialog;

    void doDataExchange(DataExchange& dx) override;
    /// Any function button: read, compute z, show. The focus stays where it is.
    void onFunction(ScientificButton button);
    void onClear();
    void onInverse() { m_inverse = !m_inverse; }

    void presetValue(double value) override { m_inputX = value; }
    void presetRadios() override {
        m_angleMode = 0;
        m_angleUnit = 0;
    }
    double testValue() const override { return m_resultZ; }
    double resultValue() const override { return m_resultZ; }

    bool m_inverse = false;
    int m_angleMode = -1;  // 0 angle, 1 arc angle
    double m_inputX = 0;
    double m_resultZ = 0;
    double m_exponentY = 0;
    int m_angleUnit = -1;  // 0 degrees, 1 radians
};

}  // namespace zovrek::dialogs
