#include "shell/captions.h"

namespace tavro::shell {

const std::array<CaptionRow, CaptionCount> &captionTable()
{
    // Texts exactly as the operator sees them, leading and trailing blanks included.
    static constexpr std::array<CaptionRow, CaptionCount> table = {{
        {u"按钮开始", {u"Start", u"开始", u"スタート", u"Démarrer", u"Cominciare", u"Beginnen"}},
        {u"按钮暂停", {u"Pause", u"暂停", u"ポーズ", u"Pause", u"Pausa", u"Pausieren"}},
        {u"按钮重启",
         {u"Restart", u"重启", u"リスタート", u"Redémarrer", u"Ricomincia", u"Reboot"}},
        {u"按钮发送数据",
         {u"Send Image To Machine", u"发送数据到雕刻机", u"マシンに画像を送信",
          u"Envoyer l'image à la machine", u"Inviare immagini alla macchina", u"Senden Images"}},
        {u"单选框点定位",
         {u"Point Positioning", u"任意点定位", u"ポイントポジショニング",
          u"Point de positionnement", u"punto di posizionamento", u"Point Positioning"}},
        {u"单选框到中心",
         {u"To image center", u"到图像中心", u"センターへ", u"au centre", u"al centro",
          u"Zum Zentrum"}},
        {u"单选框框定位",
         {u"Positioning box", u"框定位", u"ポジショニングボックス", u"boite de positionnement",
          u"scatola di posizionamento", u"Positionsbox"}},
        {u"按钮上", {u"Up", u"上", u"上", u"Vers le haut", u"SU", u"Auf"}},
        {u"按钮下", {u"Down", u"下", u"下", u"Vers le bas", u"Giù", u"Ab"}},
        {u"按钮左", {u"Left", u"左", u"左", u"à gauche", u"Sinistra", u"Links"}},
        {u"按钮右", {u"Right", u"右", u"右", u"A droite", u"Destra", u"Rechts"}},
        {u"分组框信息",
         {u"Message", u"信息", u"情報", u"Informations", u"Informazioni", u"Nachricht"}},
        {u"分组框预览", {u"Preview", u"预览", u"プレビュー", u"Aperçu", u"Anteprima", u"Vorschau"}},
        {u"分组框定位方式",
         {u"Location Mode", u"定位方式", u"ロケーションモード", u"Mode de localiser",
          u"Modalità di laser posizionamento", u"Vor Dem Schnitzeno"}},
        {u"分组框运动",
         {u"Movement", u"运动控制", u"移動", u"Faire bouger la zone à sculpter ", u"Movimento",
          u"Motion Control"}},
        {u"选择框使用键盘",
         {u"Use keyboard", u"使用键盘控制", u"キーボードを使用", u"Utiliser le clavier",
          u"Utilizzare la tastiera", u"Verwenden der Tastatur"}},
        {u"分组框进度",
         {u"Carve Rate Control", u"雕刻进度控制", u"彫るレート制御",
          u"Contrôler le processus de sculpter ", u"Incisione Processo Controllo", u"Fortschritt"}},
        {u"分组框编辑",
         {u"Image Editing", u"图像编辑", u"画像編集", u"édition de l'image", u"Modificare immagini",
          u"Bildbearbeitung"}},
        {u"按钮快退",
         {u"      Fast      Backward", u"快退", u"後方ファースト", u"Reculer rapidement",
          u"Indietro veloce", u"Rewind"}},
        {u"按钮重刻",
         {u"Recarve", u"重新雕刻", u"再彫る", u"Sculpter de nouveau ", u"Incisione di nuovo",
          u"Re-Gravur"}},
        {u"按钮快进",
         {u"      Fast      Forward", u"快进", u"ファストフォワード", u"Avancer rapidement",
          u"Avanti veloce", u"Fast forward"}},
        {u"按钮清除", {u"Clear ", u"清除", u"クリア", u"Clair", u"Cancellare", u"Klar"}},
        {u"按钮重载",
         {u"Reload", u"重载", u"クリアリロード", u"Télécharger de nouveau ", u"Ricaricare",
          u"Neuladen"}},
        {u"按钮缩小",
         {u"  Zoom  Out", u"缩小", u"回してズームアウト", u"Zoom arrière", u"Miniaturizzare",
          u"Narrow"}},
        {u"按钮旋转", {u"Rotate", u"旋转", u"回転", u"Rotation", u"La rotazione", u"Rotation"}},
        {u"按钮设置", {u"Setting", u"设置", u"設定", u"Réglage", u"impostazioni", u"Einrichten"}},
        {u"标签时间",
         {u"Run time:", u"所用时间：", u"動作時間:", u"Temps de fonctionnement du laser:",
          u"tempo di esecuzione:", u"Zeit :"}},
        {u"标签灼烧时间",
         {u"Burning Time:", u"灼烧时间：", u"バーニングタイム:", u"Temps de combustion:",
          u"Tempo di combustione:", u"Brenndauer :"}},
        {u"按钮断开", {u"Break", u"断开", u"切断", u"Déconnecte", u"Disconnesso", u"Disconnect"}},
        {u"按钮字体", {u"Font", u"字体", u"フォント", u"Polices", u"Font", u"Font"}},
        {u"单选框文字",
         {u"Location", u"选择写出位置", u"位置決め", u"De positionnement", u"IL posizionamento",
          u"Positionierung"}},
        {u"按钮关机",
         {u"Power OFF", u"关机", u"シャットダウン", u"fermeture", u"chiusura", u"Stilllegung"}},
    }};
    return table;
}

QImage dropHintPicture(int language)
{
    return QImage(QStringLiteral(":/assets/drop_hint_%1.bmp").arg(language));
}

}  // namespace tavro::shell
