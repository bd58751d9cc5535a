<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>SettingsSheet</name>
    <message>
        <source>視覚設定</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>１軸：</source>
        <translation>Axis 1:</translation>
    </message>
    <message>
        <source>２軸：</source>
        <translation>Axis 2:</translation>
    </message>
    <message>
        <source>３軸：</source>
        <translation>Axis 3:</translation>
    </message>
    <message>
        <source>色を反転する</source>
        <translation>Reverse colours</translation>
    </message>
    <message>
        <source>グラフの色</source>
        <translation>Graph colours</translation>
    </message>
    <message>
        <source>投影図の色</source>
        <translation>Projection colours</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>中間値</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>グリッド面とグラフ間にスペースをあける</source>
        <translation>Leave a gap between the grid planes and the graph</translation>
    </message>
    <message>
        <source>グリッドの表示</source>
        <translation>Grid planes shown</translation>
    </message>
    <message>
        <source>１２平面：</source>
        <translation>Plane 12:</translation>
    </message>
    <message>
        <source>２３平面：</source>
        <translation>Plane 23:</translation>
    </message>
    <message>
        <source>３１平面：</source>
        <translation>Plane 31:</translation>
    </message>
    <message>
        <source>グリッド線の設定</source>
        <translation>Grid lines</translation>
    </message>
    <message>
        <source>ｽﾀｲﾙ：</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>太さ：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>色：</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>外枠</source>
        <translation>Outer frame</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>分割線</source>
        <translation>Division lines</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>グリッドサイズ</source>
        <translation>Grid size</translation>
    </message>
    <message>
        <source>分割設定</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>分割の範囲をグリッドサイズに合わせる</source>
        <translation>Division range follows the grid size</translation>
    </message>
    <message>
        <source>分割数指定</source>
        <translation>By count</translation>
    </message>
    <message>
        <source>値指定</source>
        <translation>By interval</translation>
    </message>
    <message>
        <source>１軸</source>
        <translation>Axis 1</translation>
    </message>
    <message>
        <source>２軸</source>
        <translation>Axis 2</translation>
    </message>
    <message>
        <source>３軸</source>
        <translation>Axis 3</translation>
    </message>
    <message>
        <source>軸の値の表示</source>
        <translation>Axis values shown</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>初期位置からの移動量</source>
        <translation>Offset from the initial position</translation>
    </message>
    <message>
        <source>ｽﾀｲﾙ/小数桁数</source>
        <translation>Style / decimals</translation>
    </message>
    <message>
        <source>１軸方向</source>
        <translation>Along axis 1</translation>
    </message>
    <message>
        <source>２軸方向</source>
        <translation>Along axis 2</translation>
    </message>
    <message>
        <source>３軸方向</source>
        <translation>Along axis 3</translation>
    </message>
    <message>
        <source>文字色の設定</source>
        <translation>Text Colour</translation>
    </message>
    <message>
        <source>：１軸方向</source>
        <translation>Along axis 1:</translation>
    </message>
    <message>
        <source>：２軸方向</source>
        <translation>Along axis 2:</translation>
    </message>
    <message>
        <source>：３軸方向</source>
        <translation>Along axis 3:</translation>
    </message>
    <message>
        <source>凡例を表示する</source>
        <translation>Show the legend</translation>
    </message>
    <message>
        <source>横向きに表示する</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>凡例枠の大きさ</source>
        <translation>Legend size</translation>
    </message>
    <message>
        <source>：１軸方向（横向き表示の場合は２軸方向）</source>
        <translation>Along axis 1 (axis 2 when horizontal):</translation>
    </message>
    <message>
        <source>：２軸方向（横向き表示の場合は１軸方向）</source>
        <translation>Along axis 2 (axis 1 when horizontal):</translation>
    </message>
    <message>
        <source>平行位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>スタイル／小数桁数</source>
        <translation>Style / decimals</translation>
    </message>
    <message>
        <source>：スタイル</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>：小数点桁数</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>：値の表示数</source>
        <translation>Values shown:</translation>
    </message>
    <message>
        <source>凡例の範囲</source>
        <translation>Legend range</translation>
    </message>
    <message>
        <source>座標軸を表示する</source>
        <translation>Show the axes symbol</translation>
    </message>
    <message>
        <source>：拡大率</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>軸の文字</source>
        <translation>Axis names</translation>
    </message>
    <message>
        <source>：１軸</source>
        <translation>Axis 1:</translation>
    </message>
    <message>
        <source>：２軸</source>
        <translation>Axis 2:</translation>
    </message>
    <message>
        <source>：３軸</source>
        <translation>Axis 3:</translation>
    </message>
    <message>
        <source>座標軸のスタイル</source>
        <translation>Axes symbol style</translation>
    </message>
    <message>
        <source>：太さ</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>グラフタイトル</source>
        <translation>Graph title</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>１軸ラベル</source>
        <translation>Axis 1 label</translation>
    </message>
    <message>
        <source>２軸ラベル</source>
        <translation>Axis 2 label</translation>
    </message>
    <message>
        <source>３軸ラベル</source>
        <translation>Axis 3 label</translation>
    </message>
    <message>
        <source>３軸回転角</source>
        <translation>Rotation about axis 3</translation>
    </message>
    <message>
        <source>グラフの種類</source>
        <translation>Graph kind</translation>
    </message>
    <message>
        <source>陰線処理</source>
        <translation>Hidden-line removal</translation>
    </message>
    <message>
        <source>投影図の種類</source>
        <translation>Projection kind</translation>
    </message>
    <message>
        <source>３軸の値</source>
        <translation>Axis 3 values</translation>
    </message>
    <message>
        <source>すべて同じ値で描画（２次元平面グラフになります）</source>
        <translation>All at one value (a flat 2-D graph)</translation>
    </message>
    <message>
        <source>節点ファイルの値を用いる（デフォルト）</source>
        <translation>Use the node file's values (default)</translation>
    </message>
    <message>
        <source>データファイルの値を用いる</source>
        <translation>Use the data file's values</translation>
    </message>
    <message>
        <source>※&#x3000;変更後は「グリッド」→「グリッドサイズ」でサイズを確認してください．</source>
        <translation>Note: after a change, check the size under Grid &gt; Grid size.</translation>
    </message>
    <message>
        <source>３軸のサイズは自動的には反映されません．</source>
        <translation>The axis 3 size is not updated automatically.</translation>
    </message>
    <message>
        <source>「初期値」ボタンで初期値に戻してください．</source>
        <translation>Use the Default buttons to reset it.</translation>
    </message>
    <message>
        <source>垂線処理</source>
        <translation>Drop lines</translation>
    </message>
    <message>
        <source>節点から垂線をおろす</source>
        <translation>Draw drop lines from the nodes</translation>
    </message>
    <message>
        <source>垂線間を塗りつぶす</source>
        <translation>Fill between the drop lines</translation>
    </message>
    <message>
        <source>※&#x3000;塗りつぶしは要素ﾃﾞｰﾀ</source>
        <translation>Note: the fill works only</translation>
    </message>
    <message>
        <source>選択時のみ有効です．</source>
        <translation>with element values.</translation>
    </message>
    <message>
        <source>垂線の設定</source>
        <translation>Drop-line style</translation>
    </message>
    <message>
        <source>現在のグラフ色に合わせる</source>
        <translation>Graph's colours</translation>
    </message>
    <message>
        <source>単色で描画</source>
        <translation>One colour</translation>
    </message>
    <message>
        <source>ワイヤーフレーム</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>描画しない</source>
        <translation>None</translation>
    </message>
    <message>
        <source>等高線</source>
        <translation>Contour lines</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Filled contours</translation>
    </message>
    <message>
        <source>：分割数</source>
        <translation>Divisions:</translation>
    </message>
    <message>
        <source>ポイント</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>球で表示</source>
        <translation>Draw as balls</translation>
    </message>
    <message>
        <source>大きさをデータ値に合わせる</source>
        <translation>Size follows the value</translation>
    </message>
    <message>
        <source>：大きさ</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>ベクトル</source>
        <translation>Vectors</translation>
    </message>
    <message>
        <source>大きさが0.00の節点を表示する</source>
        <translation>Show nodes with a zero vector (0.00)</translation>
    </message>
    <message>
        <source>ベクトル長を統一する</source>
        <translation>Same length for every vector</translation>
    </message>
    <message>
        <source>：ベクトル長</source>
        <translation>Vector length:</translation>
    </message>
    <message>
        <source>：矢じりの大きさ</source>
        <translation>Arrowhead size:</translation>
    </message>
    <message>
        <source>回転角：0～359（整数単位）</source>
        <translation>Rotation: 0 to 359 (whole degrees)</translation>
    </message>
    <message>
        <source>平行位置（小数単位）</source>
        <translation>Translation (decimal)</translation>
    </message>
    <message>
        <source>拡大率（小数単位）</source>
        <translation>Scale (decimal)</translation>
    </message>
    <message>
        <source>：グラフ全体</source>
        <translation>Whole graph:</translation>
    </message>
    <message>
        <source>初期ｽｹｰﾙを各軸比にする</source>
        <translation>First scale follows the axes' ratio</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>ファイル名が空です</source>
        <translation>the file name is empty</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>シンボリックリンクが循環しています</source>
        <translation>the symbolic links form a loop</translation>
    </message>
    <message>
        <source>読み取りが許可されていません</source>
        <translation>reading is not permitted</translation>
    </message>
    <message>
        <source>途中の名前がフォルダではありません</source>
        <translation>a name on the path is not a folder</translation>
    </message>
    <message>
        <source>パスが長すぎます</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>開けません (errno %1)</source>
        <translation>cannot be opened (errno %1)</translation>
    </message>
    <message>
        <source>フォルダがありません</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>フォルダに書き込めません</source>
        <translation>the folder cannot be written to</translation>
    </message>
    <message>
        <source>書き込みが許可されていません</source>
        <translation>writing is not permitted</translation>
    </message>
    <message>
        <source>要素定義再構築中</source>
        <translation>Rebuilding the elements</translation>
    </message>
    <message>
        <source>グラフスタイル</source>
        <translation>Graph Style</translation>
    </message>
    <message>
        <source>グラフの種類</source>
        <translation>Graph kind</translation>
    </message>
    <message>
        <source>３軸の値</source>
        <translation>Axis 3 values</translation>
    </message>
    <message>
        <source>垂線の設定</source>
        <translation>Drop-line style</translation>
    </message>
    <message>
        <source>グラフオプション</source>
        <translation>Graph Options</translation>
    </message>
    <message>
        <source>ﾜｲﾔｰﾌﾚｰﾑの設定</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>等高線の設定</source>
        <translation>Contour Lines</translation>
    </message>
    <message>
        <source>ポイントの設定</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>ベクトルの設定</source>
        <translation>Vectors</translation>
    </message>
    <message>
        <source>投影図ｵﾌﾟｼｮﾝ</source>
        <translation>Projection Options</translation>
    </message>
    <message>
        <source>グラフポジション</source>
        <translation>Graph Position</translation>
    </message>
    <message>
        <source>回転角</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>平行位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>拡大率</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ設定</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳｻｲｽﾞ</source>
        <translation>Window Size</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>カラー</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>現在のカラー</source>
        <translation>Current Colours</translation>
    </message>
    <message>
        <source>オリジナルカラー</source>
        <translation>User Colours</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>グリッドスタイル</source>
        <translation>Grid Style</translation>
    </message>
    <message>
        <source>グリッドの値</source>
        <translation>Grid Values</translation>
    </message>
    <message>
        <source>グリッドサイズ</source>
        <translation>Grid size</translation>
    </message>
    <message>
        <source>凡例</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>凡例のスタイル</source>
        <translation>Legend Style</translation>
    </message>
    <message>
        <source>凡例の値の範囲</source>
        <translation>Legend Value Range</translation>
    </message>
    <message>
        <source>座標軸</source>
        <translation>Axes Symbol</translation>
    </message>
    <message>
        <source>座標軸のスタイル</source>
        <translation>Axes symbol style</translation>
    </message>
    <message>
        <source>軸の文字</source>
        <translation>Axis names</translation>
    </message>
    <message>
        <source>ラベル</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>グラフタイトル</source>
        <translation>Graph title</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌﾀｲﾄﾙ平行位置</source>
        <translation>Graph Title Position</translation>
    </message>
    <message>
        <source>１軸ラベル</source>
        <translation>Axis 1 label</translation>
    </message>
    <message>
        <source>１軸ラベル平行位置</source>
        <translation>Axis 1 Label Position</translation>
    </message>
    <message>
        <source>２軸ラベル</source>
        <translation>Axis 2 label</translation>
    </message>
    <message>
        <source>２軸ラベル平行位置</source>
        <translation>Axis 2 Label Position</translation>
    </message>
    <message>
        <source>３軸ラベル</source>
        <translation>Axis 3 label</translation>
    </message>
    <message>
        <source>３軸ラベル平行位置</source>
        <translation>Axis 3 Label Position</translation>
    </message>
    <message>
        <source>データ情報はありません</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>節点がすべて座標2の等しい一つの行にあります</source>
        <translation>all nodes lie in one row of equal coordinate 2</translation>
    </message>
    <message>
        <source>隣り合う行に座標1の等しい節点の組がありません</source>
        <translation>no neighbouring rows have a pair of nodes with equal coordinate 1</translation>
    </message>
    <message>
        <source>警告: STLファイルに完全な三角形がありません（頂点 %1 個）
%2
対象ファイル: %3</source>
        <translation>Warning: the STL file has no complete triangle (%1 vertices).
%2
File: %3</translation>
    </message>
    <message>
        <source>警告: オートメッシュで要素ができませんでした（%1）
%2
対象ファイル: %3</source>
        <translation>Warning: the automatic mesh made no elements (%1).
%2
File: %3</translation>
    </message>
    <message>
        <source>警告: 要素ファイルに要素データがありません
%1
対象ファイル: %2</source>
        <translation>Warning: the element file has no element data.
%1
File: %2</translation>
    </message>
    <message>
        <source>対象ファイル: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>対象ファイル: %1（%2）</source>
        <translation>File: %1 (%2)</translation>
    </message>
    <message>
        <source>要素 %1 </source>
        <translation>Element %1 </translation>
    </message>
    <message>
        <source>節点 %1 %2</source>
        <translation>Node %1 %2</translation>
    </message>
    <message>
        <source> 成分 %1 大きさ %2</source>
        <translation> components %1 magnitude %2</translation>
    </message>
    <message>
        <source> 値 %1</source>
        <translation> value %1</translation>
    </message>
    <message>
        <source>ファイルが開けません</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>データ値がありません</source>
        <translation>no data values</translation>
    </message>
    <message>
        <source>要素番号 %1 のデータがありません</source>
        <translation>no data for element %1</translation>
    </message>
    <message>
        <source>節点番号 %1 のデータがありません</source>
        <translation>no data for node %1</translation>
    </message>
    <message>
        <source>ベクトル成分のデータ列が足りません</source>
        <translation>too few data columns for the vector components</translation>
    </message>
    <message>
        <source>データシリーズの次のステップは使えないため除きました</source>
        <translation>The following steps of the data series cannot be used and were left out.</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>マテリアルファイルが読めません（表示中のモデルには読み込まれていません）</source>
        <translation>The material file cannot be read (it has not been loaded into the model shown).</translation>
    </message>
    <message>
        <source>このモデルにない要素番号がマテリアルファイルに %1 行あります（最初は要素 %2）
別のモデルのファイルです：要素数はこのモデルの要素で数えています</source>
        <translation>The material file has %1 lines with element numbers this model does not have (the first is element %2).
It belongs to another model: the element counts are taken from this model's elements.</translation>
    </message>
    <message>
        <source>アニメーションの書き込みに失敗しました</source>
        <translation>Failed to write the animation.</translation>
    </message>
    <message>
        <source>フレームの大きさが違います</source>
        <translation>The frame size differs.</translation>
    </message>
    <message>
        <source>ファイルの拡張子が不明です</source>
        <translation>Unknown file extension.</translation>
    </message>
    <message>
        <source>フレームの大きさが範囲外です</source>
        <translation>The frame size is out of range.</translation>
    </message>
    <message>
        <source>アニメーションにするフレームがありません</source>
        <translation>There are no frames for the animation.</translation>
    </message>
    <message>
        <source>フレームレートは1～%1の範囲で指定してください</source>
        <translation>Give a frame rate from 1 to %1.</translation>
    </message>
    <message>
        <source>イメージのエクスポートに失敗しました</source>
        <translation>Failed to export the image.</translation>
    </message>
    <message>
        <source>透明な背景はPNGファイルにしか書けません</source>
        <translation>A transparent background can only be written to a PNG file.</translation>
    </message>
</context>
<context>
    <name>vellum</name>
    <message>
        <source>節点アドレス参照エラー
定義されていない節点番号が含まれてます</source>
        <translation>Node reference error.
The elements refer to node numbers that are not defined.</translation>
    </message>
    <message>
        <source>オートメッシュの要素数が上限の4000000を超えます
重なった節点がないか節点ファイルを確認してください</source>
        <translation>The automatic mesh would have more than the limit of 4,000,000 elements.
Check the node file for nodes that lie on top of each other.</translation>
    </message>
    <message>
        <source>節点数の上限は1,000,000です</source>
        <translation>The limit is 1,000,000 nodes.</translation>
    </message>
    <message>
        <source>節点ファイルを確認してください</source>
        <translation>Check the node file.</translation>
    </message>
    <message>
        <source>要素ファイルを確認してください</source>
        <translation>Check the element file.</translation>
    </message>
    <message>
        <source>データファイルを確認してください</source>
        <translation>Check the data file.</translation>
    </message>
    <message>
        <source>ベクトル成分に指定したデータ列がありません
データ列数を確認してください</source>
        <translation>The data columns given for the vector components do not exist.
Check the number of data columns.</translation>
    </message>
    <message>
        <source>データ番号と節点番号/要素番号の対応を確認してください</source>
        <translation>Check that the data numbers match the node or element numbers.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>The file cannot be found.</translation>
    </message>
    <message>
        <source>データ列オーバーフロー</source>
        <translation>Too many data columns.</translation>
    </message>
    <message>
        <source>節点データに対応するデータ値がありません</source>
        <translation>Some nodes have no matching data values.</translation>
    </message>
    <message>
        <source>要素データに対応するデータ値がありません</source>
        <translation>Some elements have no matching data values.</translation>
    </message>
    <message>
        <source>節点ファイルのオープンに失敗しました
ファイルの有無を確認してください</source>
        <translation>Failed to open the node file.
Check that the file exists.</translation>
    </message>
    <message>
        <source>プロファイルに書き込めません
%1</source>
        <translation>Cannot write the profile.
%1</translation>
    </message>
    <message>
        <source>ｽﾀｲﾙ</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ﾎﾟｼﾞｼｮﾝ</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>ｶﾗｰ</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞ</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>グリッド値</source>
        <translation>Grid Values</translation>
    </message>
    <message>
        <source>凡例</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>軸</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>ﾗﾍﾞﾙ</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>グラデーション</source>
        <translation>Gradation</translation>
    </message>
    <message>
        <source>等高線</source>
        <translation>Contour lines</translation>
    </message>
    <message>
        <source>ポイント</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>ワイヤーフレーム</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>要素塗りつぶし</source>
        <translation>Element Fill</translation>
    </message>
    <message>
        <source>ベクトル</source>
        <translation>Vectors</translation>
    </message>
    <message>
        <source>表示しない</source>
        <translation>Not shown</translation>
    </message>
    <message>
        <source>実線</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>短鎖線</source>
        <translation>Short Dash</translation>
    </message>
    <message>
        <source>長鎖線</source>
        <translation>Long Dash</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>整数</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>小数</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>指数</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>白→黒</source>
        <translation>White→Black</translation>
    </message>
    <message>
        <source>赤→黒</source>
        <translation>Red→Black</translation>
    </message>
    <message>
        <source>白→赤</source>
        <translation>White→Red</translation>
    </message>
    <message>
        <source>青→黒</source>
        <translation>Blue→Black</translation>
    </message>
    <message>
        <source>白→青</source>
        <translation>White→Blue</translation>
    </message>
    <message>
        <source>緑→黒</source>
        <translation>Green→Black</translation>
    </message>
    <message>
        <source>白→緑</source>
        <translation>White→Green</translation>
    </message>
    <message>
        <source>青→赤</source>
        <translation>Blue→Red</translation>
    </message>
    <message>
        <source>青→緑→赤</source>
        <translation>Blue→Green→Red</translation>
    </message>
    <message>
        <source>任意の色で描画</source>
        <translation>User Colours</translation>
    </message>
    <message>
        <source>任意の色で描画（中間色を用いる）</source>
        <translation>User Colours (with Middle Colour)</translation>
    </message>
    <message>
        <source>※&#x3000;グラフの詳細を設定</source>
        <translation>* Details of the graph</translation>
    </message>
    <message>
        <source>※&#x3000;投影図の詳細を設定</source>
        <translation>* Details of the projection</translation>
    </message>
    <message>
        <source>視覚設定ファイルが開けません</source>
        <translation>Cannot open the look file.</translation>
    </message>
    <message>
        <source>設定ファイルのエクスポートに失敗しました</source>
        <translation>Failed to export the look file.</translation>
    </message>
    <message>
        <source>コマンドラインファイルの%1行目が%2文字を超えるため読み飛ばしました
%3</source>
        <translation>Line %1 of the command-line file is longer than %2 characters and was skipped.
%3</translation>
    </message>
    <message>
        <source>コマンドライン処理用のファイル作成に失敗しました</source>
        <translation>Failed to write the command-line file.</translation>
    </message>
    <message>
        <source>データエクスポートに失敗しました</source>
        <translation>Failed to export the data.</translation>
    </message>
    <message>
        <source>新規にファイルを作成
新規ファイル</source>
        <translation>Opens the files of a new graph
New</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを開きます</source>
        <translation>Opens a command-line file</translation>
    </message>
    <message>
        <source>作業中のファイルを上書きして保存
保存</source>
        <translation>Save the active file
Save</translation>
    </message>
    <message>
        <source>作業中のファイルを新しい名前で保存
名前をつけて保存</source>
        <translation>Save the active file under a new name
Save As</translation>
    </message>
    <message>
        <source>視覚設定を読み込みます</source>
        <translation>Reads a look file</translation>
    </message>
    <message>
        <source>バックアップファイルを開きます</source>
        <translation>Opens the backup files</translation>
    </message>
    <message>
        <source>STLフォーマット形式のファイルを開きます</source>
        <translation>Opens a file in STL format</translation>
    </message>
    <message>
        <source>画像として保存します</source>
        <translation>Saves the graph as an image</translation>
    </message>
    <message>
        <source>節点ファイルを出力します</source>
        <translation>Writes a node file</translation>
    </message>
    <message>
        <source>要素ﾌｧｲﾙを出力します</source>
        <translation>Writes an element file</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを出力します</source>
        <translation>Writes a command-line file</translation>
    </message>
    <message>
        <source>視覚設定を出力します</source>
        <translation>Writes a look file</translation>
    </message>
    <message>
        <source>作業中のファイルを印刷
印刷</source>
        <translation>Print the active file
Print</translation>
    </message>
    <message>
        <source>印刷イメージを表示
印刷プレビュー</source>
        <translation>Show the printed page
Print Preview</translation>
    </message>
    <message>
        <source>プリンタおよび印刷オプションの変更
印刷設定</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>指定のファイルを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>アプリケーションを終了し、ファイルの保存を指示
終了</source>
        <translation>Quit the application, asking to save files
Exit</translation>
    </message>
    <message>
        <source>直前に行った動作を元に戻す
元に戻す</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってクリップボードに保存
切り取り</source>
        <translation>Cut the selection to the clipboard
Cut</translation>
    </message>
    <message>
        <source>ビットマップ形式でコピーしてクリップボードに保存
保存</source>
        <translation>Copy the graph to the clipboard as a bitmap
Copy</translation>
    </message>
    <message>
        <source>クリップボードの内容を貼り付け
貼り付け</source>
        <translation>Paste the clipboard's contents
Paste</translation>
    </message>
    <message>
        <source>ツール バーの 表示/非表示
ツール バーの表示切り替え</source>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message>
        <source>ステータス バーの 表示/非表示
ステータス バーの表示切り替え</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>描画列を変更します</source>
        <translation>Changes the drawn data column</translation>
    </message>
    <message>
        <source>視覚設定を変更します</source>
        <translation>Changes the look</translation>
    </message>
    <message>
        <source>断面表示をします</source>
        <translation>Shows a cross-section</translation>
    </message>
    <message>
        <source>特定要素の表示をします</source>
        <translation>Shows specific elements</translation>
    </message>
    <message>
        <source>windowの変更をします</source>
        <translation>Changes the window</translation>
    </message>
    <message>
        <source>パスの登録</source>
        <translation>Registers search paths</translation>
    </message>
    <message>
        <source>視覚保存設定を変更</source>
        <translation>Changes what a look file saves</translation>
    </message>
    <message>
        <source>プログラム情報、バージョン、著作権を表示します。
バージョン情報</source>
        <translation>Shows the program's information, version and copyright.
About</translation>
    </message>
    <message>
        <source>最新版をチェック</source>
        <translation>Checks for the latest version</translation>
    </message>
    <message>
        <source>視点を初期化します</source>
        <translation>Resets the view</translation>
    </message>
    <message>
        <source>等角表示</source>
        <translation>Isometric view</translation>
    </message>
    <message>
        <source>１２平面投影</source>
        <translation>Projection on the 12 plane</translation>
    </message>
    <message>
        <source>２３平面投影</source>
        <translation>Projection on the 23 plane</translation>
    </message>
    <message>
        <source>３１平面投影</source>
        <translation>Projection on the 31 plane</translation>
    </message>
    <message>
        <source>１軸回りに回転</source>
        <translation>Rotate about axis 1</translation>
    </message>
    <message>
        <source>２軸回りに回転</source>
        <translation>Rotate about axis 2</translation>
    </message>
    <message>
        <source>３軸回りに回転</source>
        <translation>Rotate about axis 3</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌを拡大</source>
        <translation>Zoom in on the graph</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌを縮小</source>
        <translation>Zoom out of the graph</translation>
    </message>
    <message>
        <source>ピン留めした値</source>
        <translation>Pinned Values</translation>
    </message>
    <message>
        <source>最大値・最小値を表示</source>
        <translation>Show Maximum and Minimum</translation>
    </message>
    <message>
        <source>次のステップを表示します</source>
        <translation>Shows the next step</translation>
    </message>
    <message>
        <source>前のステップを表示します</source>
        <translation>Shows the previous step</translation>
    </message>
    <message>
        <source>最初のステップを表示します</source>
        <translation>Shows the first step</translation>
    </message>
    <message>
        <source>最後のステップを表示します</source>
        <translation>Shows the last step</translation>
    </message>
    <message>
        <source>ステップを順に表示します
再生/停止</source>
        <translation>Shows the steps one after another
Play/Stop</translation>
    </message>
    <message>
        <source>凡例の範囲をシリーズの全ステップで固定します</source>
        <translation>Holds the legend range over every step of the series</translation>
    </message>
    <message>
        <source>コマンドラインファイル(&amp;C)</source>
        <translation>&amp;Command-Line File</translation>
    </message>
    <message>
        <source>視覚設定ファイル(&amp;V)</source>
        <translation>&amp;Look File</translation>
    </message>
    <message>
        <source>バックアップファイル(&amp;B)</source>
        <translation>&amp;Backup Files</translation>
    </message>
    <message>
        <source>STLフォーマットファイル(&amp;S)</source>
        <translation>&amp;STL File</translation>
    </message>
    <message>
        <source>イメージ(&amp;I)</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>節点ファイル(&amp;P)</source>
        <translation>&amp;Node File</translation>
    </message>
    <message>
        <source>要素ファイル(&amp;E)</source>
        <translation>&amp;Element File</translation>
    </message>
    <message>
        <source>グラフの種類(&amp;S)</source>
        <translation>Graph &amp;Style</translation>
    </message>
    <message>
        <source>グラフオプション(&amp;O)</source>
        <translation>Graph &amp;Options</translation>
    </message>
    <message>
        <source>グラフポジション(&amp;P)</source>
        <translation>Graph &amp;Position</translation>
    </message>
    <message>
        <source>カラー(&amp;C)</source>
        <translation>&amp;Colour</translation>
    </message>
    <message>
        <source>グリッド(&amp;G)</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>凡例(&amp;H)</source>
        <translation>Le&amp;gend</translation>
    </message>
    <message>
        <source>座標軸(&amp;Z)</source>
        <translation>&amp;Axes Symbol</translation>
    </message>
    <message>
        <source>ラベル(&amp;L)</source>
        <translation>&amp;Labels</translation>
    </message>
    <message>
        <source>等角(&amp;0)</source>
        <translation>&amp;0 Isometric</translation>
    </message>
    <message>
        <source>12平面(&amp;1)</source>
        <translation>&amp;1 12 Plane</translation>
    </message>
    <message>
        <source>23平面(&amp;2)</source>
        <translation>&amp;2 23 Plane</translation>
    </message>
    <message>
        <source>31平面(&amp;3)</source>
        <translation>&amp;3 31 Plane</translation>
    </message>
    <message>
        <source>1軸回転＋(&amp;4)</source>
        <translation>&amp;4 Rotate Axis 1 +</translation>
    </message>
    <message>
        <source>1軸回転－(&amp;5)</source>
        <translation>&amp;5 Rotate Axis 1 -</translation>
    </message>
    <message>
        <source>2軸回転＋(&amp;6)</source>
        <translation>&amp;6 Rotate Axis 2 +</translation>
    </message>
    <message>
        <source>2軸回転－(&amp;7)</source>
        <translation>&amp;7 Rotate Axis 2 -</translation>
    </message>
    <message>
        <source>3軸回転＋(&amp;8)</source>
        <translation>&amp;8 Rotate Axis 3 +</translation>
    </message>
    <message>
        <source>3軸回転－(&amp;9)</source>
        <translation>&amp;9 Rotate Axis 3 -</translation>
    </message>
    <message>
        <source>グラフ(&amp;G)</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>12軸回転(&amp;1)</source>
        <translation>&amp;1 Rotate about Axes 1 and 2</translation>
    </message>
    <message>
        <source>3軸回転(&amp;3)</source>
        <translation>&amp;3 Rotate about Axis 3</translation>
    </message>
    <message>
        <source>平行移動(&amp;H)</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>拡大縮小(&amp;S)</source>
        <translation>&amp;Scale</translation>
    </message>
    <message>
        <source>グリッドの値(&amp;V)</source>
        <translation>Grid &amp;Values</translation>
    </message>
    <message>
        <source>1軸の値の平行移動(&amp;1)</source>
        <translation>&amp;1 Move Axis 1 Values</translation>
    </message>
    <message>
        <source>2軸の値の平行移動(&amp;2)</source>
        <translation>&amp;2 Move Axis 2 Values</translation>
    </message>
    <message>
        <source>3軸の値の平行移動(&amp;3)</source>
        <translation>&amp;3 Move Axis 3 Values</translation>
    </message>
    <message>
        <source>グラフタイトルの平行移動(&amp;0)</source>
        <translation>&amp;0 Move Graph Title</translation>
    </message>
    <message>
        <source>1軸ラベルの平行移動(&amp;1)</source>
        <translation>&amp;1 Move Axis 1 Label</translation>
    </message>
    <message>
        <source>2軸ラベルの平行移動(&amp;2)</source>
        <translation>&amp;2 Move Axis 2 Label</translation>
    </message>
    <message>
        <source>3軸ラベルの平行移動(&amp;3)</source>
        <translation>&amp;3 Move Axis 3 Label</translation>
    </message>
    <message>
        <source>選択範囲を拡大(&amp;S)</source>
        <translation>Zoom to &amp;Selection</translation>
    </message>
    <message>
        <source>初期化(&amp;I)</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>再描画(&amp;R)</source>
        <translation>Re&amp;draw</translation>
    </message>
    <message>
        <source>拡大縮小(&amp;Z)</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>拡大(&amp;U)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;S)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成	Ctrl+N(&amp;N)</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>開く...	Ctrl+O(&amp;O)</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>上書き保存	Ctrl+S(&amp;S)</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>インポート(&amp;I)</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>エクスポート(&amp;E)</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>印刷...	Ctrl+P(&amp;P)</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>アプリケーションの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す	Ctrl+Z(&amp;U)</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>切り取り	Ctrl+X(&amp;T)</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>コピー	Ctrl+C(&amp;C)</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>貼り付け	Ctrl+V(&amp;P)</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ツール バー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>凡例範囲をシリーズ全体で固定</source>
        <translation>Hold Legend Range over Series</translation>
    </message>
    <message>
        <source>各種設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>データ列の変更(&amp;D)</source>
        <translation>Change &amp;Data Column</translation>
    </message>
    <message>
        <source>視覚設定(&amp;V)</source>
        <translation>&amp;Look</translation>
    </message>
    <message>
        <source>断面表示(&amp;C)</source>
        <translation>&amp;Cross-Section</translation>
    </message>
    <message>
        <source>特定要素の表示(&amp;E)</source>
        <translation>Specific &amp;Elements</translation>
    </message>
    <message>
        <source>windowの変更(&amp;W)</source>
        <translation>&amp;Window Size</translation>
    </message>
    <message>
        <source>視点変更(&amp;C)</source>
        <translation>View&amp;point</translation>
    </message>
    <message>
        <source>マウス設定(&amp;M)</source>
        <translation>&amp;Mouse</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>パスの編集(&amp;P)</source>
        <translation>Edit &amp;Paths</translation>
    </message>
    <message>
        <source>視覚保存設定(&amp;V)</source>
        <translation>Saved &amp;Look Items</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報 vellumPLOT(&amp;A)...</source>
        <translation>&amp;About vellumPLOT...</translation>
    </message>
    <message>
        <source>Webへ移動(&amp;W)</source>
        <translation>Go to the &amp;Web</translation>
    </message>
    <message>
        <source>視点を初期化(&amp;I)</source>
        <translation>&amp;Reset View</translation>
    </message>
    <message>
        <source>要素情報構築失敗</source>
        <translation>Failed to build the element information.</translation>
    </message>
    <message>
        <source>データファイルを確認して下さい</source>
        <translation>Check the data file.</translation>
    </message>
    <message>
        <source>描画列に指定したデータ列がありません
データ列数を確認してください</source>
        <translation>The data column chosen for drawing does not exist.
Check the number of data columns.</translation>
    </message>
    <message>
        <source>節点だけを描きます</source>
        <translation>Only the nodes are drawn.</translation>
    </message>
    <message>
        <source>ファイル名が空です</source>
        <translation>the file name is empty</translation>
    </message>
    <message>
        <source>終了時のバックアップ: %1</source>
        <translation>Backup on exit: %1</translation>
    </message>
    <message>
        <source>終了時のバックアップ: %1（%2）</source>
        <translation>Backup on exit: %1 (%2)</translation>
    </message>
    <message>
        <source>データ値のない要素番号: %1</source>
        <translation>Element without data values: %1</translation>
    </message>
    <message>
        <source>データ値のない節点番号: %1</source>
        <translation>Node without data values: %1</translation>
    </message>
    <message>
        <source>節点</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>要素</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>成分1</source>
        <translation>Component 1</translation>
    </message>
    <message>
        <source>成分2</source>
        <translation>Component 2</translation>
    </message>
    <message>
        <source>成分3</source>
        <translation>Component 3</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>１軸の最小値が最大値より大きくなっています．
このままでは何も描画されません．</source>
        <translation>The minimum of axis 1 is greater than its maximum.
As it is, nothing will be drawn.</translation>
    </message>
    <message>
        <source>２軸の最小値が最大値より大きくなっています．
このままでは何も描画されません．</source>
        <translation>The minimum of axis 2 is greater than its maximum.
As it is, nothing will be drawn.</translation>
    </message>
    <message>
        <source>３軸の最小値が最大値より大きくなっています．
このままでは何も描画されません．</source>
        <translation>The minimum of axis 3 is greater than its maximum.
As it is, nothing will be drawn.</translation>
    </message>
    <message>
        <source>平行位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>拡大率</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>回転角</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ列</source>
        <translation>Data Column</translation>
    </message>
    <message>
        <source>等高線描画中</source>
        <translation>Drawing contour lines</translation>
    </message>
    <message>
        <source>対象ファイル: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>画像が大きすぎます
%1x%2 の %3 倍は描けません（一辺 %4 ピクセル、全体 %5 ピクセルまで）</source>
        <translation>The image is too large.
%1x%2 cannot be drawn at %3 times (up to %4 pixels a side and %5 pixels in all).</translation>
    </message>
    <message>
        <source>OpenGLの初期化に失敗しました
%1</source>
        <translation>Failed to initialise OpenGL.
%1</translation>
    </message>
    <message>
        <source>警告: プロファイルが読めません
登録パスと既定値は使いません</source>
        <translation>Warning: the profile cannot be read.
The registered paths and defaults are not used.</translation>
    </message>
    <message>
        <source>ジョブの一覧が開けません</source>
        <translation>Cannot open the job list.</translation>
    </message>
    <message>
        <source>データシリーズのステップを除きました（%1）
%2</source>
        <translation>A step of the data series was left out (%1).
%2</translation>
    </message>
    <message>
        <source>コマンドラインファイルにデータシリーズ（DataSeries）がありません</source>
        <translation>The command-line file has no data series (DataSeries).</translation>
    </message>
    <message>
        <source>データシリーズに表示する値がありません</source>
        <translation>The data series has no values to show.</translation>
    </message>
    <message>
        <source>フレームのファイル名には %d（%04d など）を一つ入れてください
%1</source>
        <translation>Put one %d (such as %04d) into the frame file name.
%1</translation>
    </message>
    <message>
        <source>画面の表示を日本語にします</source>
        <translation>Show the interface in Japanese</translation>
    </message>
    <message>
        <source>画面の表示を英語にします</source>
        <translation>Show the interface in English</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>vellum::ColumnChoiceForm</name>
    <message>
        <source>接点番号</source>
        <translation>Node Number</translation>
    </message>
    <message>
        <source>ベクトル成分のデータ列を３個選択してください</source>
        <translation>Choose three data columns for the vector components.</translation>
    </message>
</context>
<context>
    <name>vellum::DataColumnDialog</name>
    <message>
        <source>データ列の変更</source>
        <translation>Change Data Column</translation>
    </message>
    <message>
        <source>描画列（ベクトル１）</source>
        <translation>Drawn column (vector 1)</translation>
    </message>
    <message>
        <source>（ベクトル２）</source>
        <translation>(vector 2)</translation>
    </message>
    <message>
        <source>（ベクトル３）</source>
        <translation>(vector 3)</translation>
    </message>
    <message>
        <source>データ詳細</source>
        <translation>Data details</translation>
    </message>
    <message>
        <source>※ベクトル描画の場合は３個選択してください．</source>
        <translation>* For vectors, choose three columns.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vellum::DataRowsTable</name>
    <message>
        <source>接点番号</source>
        <translation>Node Number</translation>
    </message>
</context>
<context>
    <name>vellum::DataSet</name>
    <message>
        <source>ベクトルデータ解析中</source>
        <translation>Analysing vector data</translation>
    </message>
    <message>
        <source>メッシュ作成中</source>
        <translation>Building the mesh</translation>
    </message>
    <message>
        <source>データ値解析中</source>
        <translation>Analysing data values</translation>
    </message>
    <message>
        <source>節点情報解析中</source>
        <translation>Analysing nodes</translation>
    </message>
    <message>
        <source>データファイル展開中</source>
        <translation>Reading the data file</translation>
    </message>
    <message>
        <source>データファイルのオープンに失敗しました
ファイルの有無を確認してください</source>
        <translation>Failed to open the data file.
Check that the file exists.</translation>
    </message>
    <message>
        <source>要素ファイル展開中</source>
        <translation>Reading the element file</translation>
    </message>
    <message>
        <source>要素ファイルのオープンに失敗しました
ファイルの有無を確認してください</source>
        <translation>Failed to open the element file.
Check that the file exists.</translation>
    </message>
    <message>
        <source>節点ファイル展開中</source>
        <translation>Reading the node file</translation>
    </message>
    <message>
        <source>STLファイルのオープンに失敗しました
ファイルの有無を確認してください</source>
        <translation>Failed to open the STL file.
Check that the file exists.</translation>
    </message>
    <message>
        <source>STLファイルに頂点データがありません
アスキー形式のSTLファイルか確認してください</source>
        <translation>The STL file has no vertex data.
Check that it is an ASCII STL file.</translation>
    </message>
</context>
<context>
    <name>vellum::DialogButtons</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vellum::Document</name>
    <message>
        <source>引数で指定したファイルが開けません
ファイルの有無，パスを確認してください</source>
        <translation>Failed to open the file given as argument.
Check that the file exists and its path.</translation>
    </message>
    <message>
        <source>コマンドラインファイルの拡張子が違います</source>
        <translation>The command-line file has the wrong extension.</translation>
    </message>
    <message>
        <source>節点ファイルが指定されていません</source>
        <translation>No node file is given.</translation>
    </message>
    <message>
        <source>視点設定ファイルが開けません
視点設定ファイルの有無，パスを確認してください</source>
        <translation>Failed to open the look file.
Check that the look file exists and its path.</translation>
    </message>
    <message>
        <source>STLファイルが開けません
STLファイルの有無，パスを確認してください</source>
        <translation>Failed to open the STL file.
Check that the STL file exists and its path.</translation>
    </message>
    <message>
        <source>節点ファイルに節点データがありません</source>
        <translation>The node file has no node data.</translation>
    </message>
    <message>
        <source>節点ファイルにない節点番号: %1（%2）</source>
        <translation>Node number not in the node file: %1 (%2)</translation>
    </message>
    <message>
        <source>データファイルにデータ値がありません</source>
        <translation>The data file has no data values.</translation>
    </message>
    <message>
        <source>データシリーズに一致するファイルがありません
%1</source>
        <translation>No file matches the data series.
%1</translation>
    </message>
    <message>
        <source>データシリーズがあるため DataFile の指定は使いません
%1</source>
        <translation>The DataFile line is not used because a data series is given.
%1</translation>
    </message>
    <message>
        <source>節点ファイル展開中</source>
        <translation>Reading the node file</translation>
    </message>
</context>
<context>
    <name>vellum::FileChooser</name>
    <message>
        <source>テキストファイル(*.dat;*.txt;*.csv) (*.dat *.txt *.DAT *.TXT *.csv *.CSV)</source>
        <translation>Text files (*.dat;*.txt;*.csv) (*.dat *.txt *.DAT *.TXT *.csv *.CSV)</translation>
    </message>
    <message>
        <source>コマンドライン用ファイル(*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)</source>
        <translation>Command-line files (*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)</translation>
    </message>
    <message>
        <source>設定ファイル(*.ini) (*.ini *.INI)</source>
        <translation>Look files (*.ini) (*.ini *.INI)</translation>
    </message>
    <message>
        <source>STLフォーマットファイル(*.stl) (*.stl *.STL)</source>
        <translation>STL files (*.stl) (*.stl *.STL)</translation>
    </message>
    <message>
        <source>画像ファイル(*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG);;ベクター画像(*.svg,*.pdf) (*.svg *.SVG *.pdf *.PDF)</source>
        <translation>Image files (*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG);;Vector images (*.svg,*.pdf) (*.svg *.SVG *.pdf *.PDF)</translation>
    </message>
    <message>
        <source>テキストファイル(*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)</source>
        <translation>Text files (*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)</translation>
    </message>
    <message>
        <source>画像ファイル(*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG);;ベクター画像(*.svg,*.pdf) (*.svg *.SVG *.pdf *.PDF);;アニメーション(*.webp,*.gif) (*.webp *.WEBP *.gif *.GIF)</source>
        <translation>Image files (*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG);;Vector images (*.svg,*.pdf) (*.svg *.SVG *.pdf *.PDF);;Animations (*.webp,*.gif) (*.webp *.WEBP *.gif *.GIF)</translation>
    </message>
</context>
<context>
    <name>vellum::FileOpenDialog</name>
    <message>
        <source>ファイルオープン</source>
        <translation>Open Files</translation>
    </message>
    <message>
        <source>要素形状&#x3000;：</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>・２次元形状</source>
        <translation>2-D sheet</translation>
    </message>
    <message>
        <source>・３次元形状</source>
        <translation>3-D solid</translation>
    </message>
    <message>
        <source>－ 節点ファイル</source>
        <translation>Node file</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>オートメッシュ機能を用いる</source>
        <translation>Use the automatic mesh</translation>
    </message>
    <message>
        <source>－ 要素ファイル</source>
        <translation>Element file</translation>
    </message>
    <message>
        <source>－ データファイル</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>データタイプ&#x3000;：</source>
        <translation>Data type:</translation>
    </message>
    <message>
        <source>・節点値</source>
        <translation>Node values</translation>
    </message>
    <message>
        <source>・要素値</source>
        <translation>Element values</translation>
    </message>
    <message>
        <source>・ﾍﾞｸﾄﾙﾃﾞｰﾀ</source>
        <translation>Vector data</translation>
    </message>
    <message>
        <source>・ﾃﾞｰﾀﾌｧｲﾙなし</source>
        <translation>No data file</translation>
    </message>
    <message>
        <source>極座標データ</source>
        <translation>Polar coordinates</translation>
    </message>
    <message>
        <source>ラジアン単位</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vellum::FileOpenForm</name>
    <message>
        <source>%1 ほか %2 個</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>節点ファイルを選択してください</source>
        <translation>Choose a node file.</translation>
    </message>
    <message>
        <source>要素ファイルを選択してください</source>
        <translation>Choose an element file.</translation>
    </message>
    <message>
        <source>データファイルを選択してください</source>
        <translation>Choose a data file.</translation>
    </message>
</context>
<context>
    <name>vellum::GraphView</name>
    <message>
        <source>前回終了時のバックアップファイルを読み込みます．</source>
        <translation>Reads the backup files written when the program last closed.</translation>
    </message>
    <message>
        <source>OpenGLの初期化に失敗しました
%1</source>
        <translation>Failed to initialise OpenGL.
%1</translation>
    </message>
    <message>
        <source>視点を初期化します
回転角/平行位置/拡大率</source>
        <translation>Resets the view:
rotation, translation and scale.</translation>
    </message>
    <message>
        <source>ブラウザが起動できません</source>
        <translation>Failed to start the web browser.</translation>
    </message>
    <message>
        <source>バージョン情報 vellumPLOT</source>
        <translation>About vellumPLOT</translation>
    </message>
    <message>
        <source>vellumPLOT Version 2.41
有限要素解析結果の三次元カラーグラフ表示</source>
        <translation>vellumPLOT Version 2.41
3-D colour graphs of finite-element results</translation>
    </message>
    <message>
        <source>データシリーズを確認しています</source>
        <translation>Checking the data series</translation>
    </message>
</context>
<context>
    <name>vellum::ImageExportDialog</name>
    <message>
        <source>画像の出力設定</source>
        <translation>Image Export Options</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>倍率（1～8）</source>
        <translation>Scale (1 to 8)</translation>
    </message>
    <message>
        <source>幅（ピクセル）</source>
        <translation>Width (pixels)</translation>
    </message>
    <message>
        <source>エッジを滑らかにする</source>
        <translation>Smooth edges</translation>
    </message>
    <message>
        <source>背景を透明にする（PNG）</source>
        <translation>Transparent background (PNG)</translation>
    </message>
    <message>
        <source>%1 x %2 ピクセル</source>
        <translation>%1 x %2 pixels</translation>
    </message>
</context>
<context>
    <name>vellum::JobFiles</name>
    <message>
        <source>節点ファイルが開けません
節点ファイルの有無，パスを確認してください</source>
        <translation>Failed to open the node file.
Check that the node file exists and its path.</translation>
    </message>
    <message>
        <source>要素ファイルが開けません
要素ファイルの有無，パスを確認してください</source>
        <translation>Failed to open the element file.
Check that the element file exists and its path.</translation>
    </message>
    <message>
        <source>データファイルが開けません
データファイルの有無，パスを確認してください</source>
        <translation>Failed to open the data file.
Check that the data file exists and its path.</translation>
    </message>
</context>
<context>
    <name>vellum::MainWindow</name>
    <message>
        <source>ｷｰｶﾞｲﾄﾞ[a-d/w-x/q-c：回転&#x3000;e-z：拡大&#x3000;↑↓←→：平行移動 r：再描画 p：最大最小]</source>
        <translation>Keys [a-d/w-x/q-c: rotate  e-z: zoom  arrows: move  r: redraw  p: maximum/minimum]</translation>
    </message>
    <message>
        <source>ツール バー</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>vellum::PathsDialog</name>
    <message>
        <source>パスの追加</source>
        <translation>Registered Paths</translation>
    </message>
    <message>
        <source>各ファイルを絶対パスで指定する</source>
        <translation>Give every file by its absolute path</translation>
    </message>
    <message>
        <source>指定パスの登録</source>
        <translation>Registered paths</translation>
    </message>
    <message>
        <source>ﾊﾟｽを追加(&amp;A)</source>
        <translation>&amp;Add Path</translation>
    </message>
    <message>
        <source>ﾃﾞｽｸﾄｯﾌﾟ(&amp;W)</source>
        <translation>Des&amp;ktop</translation>
    </message>
    <message>
        <source>ﾊﾟｽを削除(&amp;D)</source>
        <translation>&amp;Delete Path</translation>
    </message>
    <message>
        <source>上へ移動(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>下へ移動(&amp;B)</source>
        <translation>Move &amp;Down</translation>
    </message>
    <message>
        <source>※&#x3000;ﾊﾟｽを登録するとｺﾏﾝﾄﾞﾗｲﾝ処理用ファイルで相対ﾊﾟｽ指定できます</source>
        <translation>* With registered paths, command-line files can give relative paths.</translation>
    </message>
</context>
<context>
    <name>vellum::PinListDialog</name>
    <message>
        <source>ピン留めした値</source>
        <translation>Pinned Values</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>すべて削除</source>
        <translation>Delete All</translation>
    </message>
</context>
<context>
    <name>vellum::SaveItemsDialog</name>
    <message>
        <source>視覚設定保存ファイルの設定</source>
        <translation>Saved Look Items</translation>
    </message>
    <message>
        <source>※&#x3000;ﾁｪｯｸした項目が視覚設定として保存されます</source>
        <translation>* The ticked items are saved in the look file.</translation>
    </message>
</context>
<context>
    <name>vellum::SectionDialog</name>
    <message>
        <source>断面の設定</source>
        <translation>Cross-Section</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>１軸：</source>
        <translation>Axis 1:</translation>
    </message>
    <message>
        <source>２軸：</source>
        <translation>Axis 2:</translation>
    </message>
    <message>
        <source>３軸：</source>
        <translation>Axis 3:</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>※&#x3000;範囲内の要素が描画されます．</source>
        <translation>* The elements inside the range are drawn.</translation>
    </message>
</context>
<context>
    <name>vellum::SeriesBar</name>
    <message>
        <source>表示中のステップ／ステップ数</source>
        <translation>Shown step / number of steps</translation>
    </message>
    <message>
        <source>再生の速さ（コマ/秒）</source>
        <translation>Playback rate (frames/s)</translation>
    </message>
    <message>
        <source>コマ/秒</source>
        <translation>frames/s</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>vellum::SpecificElementsDialog</name>
    <message>
        <source>要素ID</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>要素数</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>特定要素の設定</source>
        <translation>Specific Elements</translation>
    </message>
    <message>
        <source>マテリアルファイル</source>
        <translation>Material file</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>表示する</source>
        <translation>Shown</translation>
    </message>
    <message>
        <source>表示しない</source>
        <translation>Not shown</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vellum::TextRecordReader</name>
    <message>
        <source>%1 の %2 行目に扱えない大きさの数値があります
数値を確認してください</source>
        <translation>Line %2 of %1 has a number too large to handle.
Check the numbers.</translation>
    </message>
</context>
<context>
    <name>vellum::WindowSizeDialog</name>
    <message>
        <source>Window設定</source>
        <translation>Window Size</translation>
    </message>
    <message>
        <source>Windowサイズ（整数値）</source>
        <translation>Window size (integers)</translation>
    </message>
    <message>
        <source>：横</source>
        <translation>: width</translation>
    </message>
    <message>
        <source>：縦</source>
        <translation>: height</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Colour...</translation>
    </message>
</context>
</TS>
