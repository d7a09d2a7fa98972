<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>noralim</name>
    <message>
        <source>noralim: write error: %1</source>
        <translation>noralim: 書き込みエラー: %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; is ambiguous</source>
        <translation>オプション &apos;%1&apos; があいまいです</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>オプション &apos;%1&apos; は値を取りません</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>オプション &apos;%1&apos; には%2が必要です</translation>
    </message>
    <message>
        <source>Try &apos;noralim --help&apos; for more information.</source>
        <translation>詳しくは &apos;noralim --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>more than one operand</source>
        <translation>オペランドが二つ以上あります</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>改行</translation>
    </message>
    <message>
        <source>space</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>Row %1, column %2, box %3</source>
        <translation>%1行 %2列、ブロック %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>値 %1</translation>
    </message>
    <message>
        <source>and more</source>
        <translation>ほか</translation>
    </message>
    <message>
        <source>candidates %1</source>
        <translation>候補 %1</translation>
    </message>
    <message>
        <source>Calc finished: %1 of 81 cells settled, %2 open</source>
        <translation>Calc 終了: 81 マス中 確定 %1、未確定 %2</translation>
    </message>
    <message>
        <source>, %1 empty</source>
        <translation>、空き %1 マス</translation>
    </message>
    <message>
        <source>, %1 not a digit</source>
        <translation>、数字以外 %1 マス</translation>
    </message>
    <message>
        <source>, %1 not digits</source>
        <translation>、数字以外 %1 マス</translation>
    </message>
    <message>
        <source>a cell holds more than %1 characters</source>
        <translation>%1 文字を超えるマスがあります</translation>
    </message>
    <message>
        <source>a number of milliseconds</source>
        <translation>ミリ秒数</translation>
    </message>
    <message>
        <source>a platform name</source>
        <translation>プラットフォーム名</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a theme name</source>
        <translation>テーマ名</translation>
    </message>
    <message>
        <source>a plugin name</source>
        <translation>プラグイン名</translation>
    </message>
    <message>
        <source>a geometry</source>
        <translation>ジオメトリ</translation>
    </message>
    <message>
        <source>an icon file</source>
        <translation>アイコンファイル</translation>
    </message>
    <message>
        <source>a title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>a session name</source>
        <translation>セッション名</translation>
    </message>
    <message>
        <source>an X display</source>
        <translation>X ディスプレイ</translation>
    </message>
    <message>
        <source>a style name</source>
        <translation>スタイル名</translation>
    </message>
    <message>
        <source>a style sheet file</source>
        <translation>スタイルシートファイル</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY is not set); try -platform offscreen, or xvfb-run</source>
        <translation>ウィンドウを開くディスプレイがありません (DISPLAY が設定されていません)。-platform offscreen か xvfb-run を試してください</translation>
    </message>
    <message>
        <source>%1 takes %2 from %3 to %4</source>
        <translation>%1 には %3〜%4 の%2を指定してください</translation>
    </message>
    <message>
        <source>unexpected character &apos;%1&apos; at column %2</source>
        <translation>%2 文字目に予期しない文字 &apos;%1&apos; があります</translation>
    </message>
    <message>
        <source>unexpected character byte 0x%1 at column %2</source>
        <translation>%2 文字目に予期しないバイト 0x%1 があります</translation>
    </message>
    <message>
        <source>expected %1 cells, got %2</source>
        <translation>%1 マスのはずが %2 マスあります</translation>
    </message>
    <message>
        <source>expected 9 rows, got %1</source>
        <translation>9 行のはずが %1 行しかありません</translation>
    </message>
    <message>
        <source>a tenth row: a grid has 9 rows (a blank line ends one)</source>
        <translation>10 行目があります: 盤面は 9 行です（空行で盤面が終わります）</translation>
    </message>
    <message>
        <source>digit %1 out of place at column %2 (only %3 or a blank goes there)</source>
        <translation>%2 文字目の数字 %1 は位置が違います (そこには %3 か空白だけが入ります)</translation>
    </message>
    <message>
        <source>expected an array of 81 strings</source>
        <translation>81 個の文字列の配列が必要です</translation>
    </message>
    <message>
        <source>cell %1 is not a string</source>
        <translation>マス %1 が文字列ではありません</translation>
    </message>
    <message>
        <source>cell %1 is not valid UTF-8</source>
        <translation>マス %1 が正しい UTF-8 ではありません</translation>
    </message>
    <message>
        <source>invalid JSON: nested deeper than %1 levels</source>
        <translation>不正な JSON: 入れ子が %1 段を超えています</translation>
    </message>
    <message>
        <source>invalid JSON: %1</source>
        <translation>不正な JSON: %1</translation>
    </message>
    <message>
        <source>JSON object has no &quot;cells&quot;</source>
        <translation>JSON オブジェクトに &quot;cells&quot; がありません</translation>
    </message>
    <message>
        <source>line longer than %1 bytes</source>
        <translation>行が %1 バイトを超えています</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>読み込みエラー: %1</translation>
    </message>
    <message>
        <source>no puzzle on this line (blank or a comment)</source>
        <translation>この行にパズルがありません (空行かコメントです)</translation>
    </message>
    <message>
        <source>has no line %1 (%2 lines)</source>
        <translation>%1 行目がありません (全 %2 行)</translation>
    </message>
    <message>
        <source>no puzzle in the file</source>
        <translation>ファイルにパズルがありません</translation>
    </message>
    <message>
        <source>no such line: lines count from 1</source>
        <translation>その行はありません: 行は 1 から数えます</translation>
    </message>
    <message>
        <source>no such line: the line number is too large</source>
        <translation>その行はありません: 行番号が大きすぎます</translation>
    </message>
    <message>
        <source>no such line: &apos;%1&apos; is not a line number</source>
        <translation>その行はありません: &apos;%1&apos; は行番号ではありません</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Copy the &amp;grid</source>
        <translation>盤面をコピー(&amp;G)</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>ブロック %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1行</translation>
    </message>
    <message>
        <source>contradiction: row %1, column %2 has no candidate left</source>
        <translation>矛盾: %1行 %2列に候補が残っていません</translation>
    </message>
    <message>
        <source>contradiction: %1 twice in %2</source>
        <translation>矛盾: %2に %1 が二つあります</translation>
    </message>
    <message>
        <source>contradiction: %1 has no place in %2</source>
        <translation>矛盾: %2に %1 を置ける所がありません</translation>
    </message>
    <message>
        <source>solved in %1 sweep</source>
        <translation>%1 回のスイープで解けました</translation>
    </message>
    <message>
        <source>solved in %1 sweeps</source>
        <translation>%1 回のスイープで解けました</translation>
    </message>
    <message>
        <source>%1 cell open</source>
        <translation>未確定 %1 マス</translation>
    </message>
    <message>
        <source>%1 cells open</source>
        <translation>未確定 %1 マス</translation>
    </message>
    <message>
        <source> after %1 sweep</source>
        <translation>（%1 回のスイープ後）</translation>
    </message>
    <message>
        <source> after %1 sweeps</source>
        <translation>（%1 回のスイープ後）</translation>
    </message>
    <message>
        <source>Paste a gr&amp;id</source>
        <translation>盤面を貼り付け(&amp;I)</translation>
    </message>
    <message>
        <source>%1 holds something that is not digits: mend it first.</source>
        <translation>%1 に数字以外のものがあります。先に直してください。</translation>
    </message>
    <message>
        <source>The grid as it stands has no solution: Check (F7) finds what is wrong.</source>
        <translation>今の盤面には解がありません。チェック (F7) で誤りを探せます。</translation>
    </message>
    <message>
        <source>The grid as it stands has more than one solution.</source>
        <translation>今の盤面には解が二つ以上あります。</translation>
    </message>
    <message>
        <source>The typed digits have no solution together.</source>
        <translation>入力した数字の組み合わせには解がありません。</translation>
    </message>
    <message>
        <source>The %1 at %2 is wrong: without it the puzzle has one solution.</source>
        <translation>%2 の %1 が誤りです。これを除くとパズルの解は一つです。</translation>
    </message>
    <message>
        <source>The %1 at %2 is wrong: without it the digits have a solution.</source>
        <translation>%2 の %1 が誤りです。これを除くと数字に解があります。</translation>
    </message>
    <message>
        <source>The %1 at %2 is wrong.</source>
        <translation>%2 の %1 が誤りです。</translation>
    </message>
    <message>
        <source>New &amp;puzzle</source>
        <translation>新しい問題(&amp;P)</translation>
    </message>
    <message>
        <source>%1, seed %2</source>
        <translation>%1、シード %2</translation>
    </message>
    <message>
        <source>not a digit or candidates</source>
        <translation>数字でも候補でもありません</translation>
    </message>
    <message>
        <source>%1 twice in %2</source>
        <translation>%2に %1 が二つ</translation>
    </message>
    <message>
        <source>Calc stopped here at a contradiction</source>
        <translation>Calc がここで矛盾に行き当たりました</translation>
    </message>
    <message>
        <source>Check found it wrong</source>
        <translation>チェックで誤りと判定</translation>
    </message>
    <message>
        <source>, marked: %1</source>
        <translation>、印: %1</translation>
    </message>
    <message>
        <source>The typed digits have no solution together; without any one of the %1 marked there is one.</source>
        <translation>入力した数字の組み合わせには解がありません。印をつけた %1 マスのどれか一つを除くと解が一つになります。</translation>
    </message>
    <message>
        <source>The grid is solved.</source>
        <translation>盤面は解けています。</translation>
    </message>
    <message>
        <source>No technique up to the wings takes a step here: only trying digits (search) would go on.</source>
        <translation>ウイングまでのどの手筋も進めません。数字を試す探索でしか先へ進めません。</translation>
    </message>
    <message>
        <source>The typed digits allow more than one solution: nothing to check against.</source>
        <translation>入力した数字では解が二つ以上あり、照らし合わせる解がありません。</translation>
    </message>
    <message>
        <source>No mistakes: every cell agrees with the one solution.</source>
        <translation>誤りはありません。どのマスも唯一の解と合っています。</translation>
    </message>
    <message>
        <source>%1 cell disagrees with the one solution.</source>
        <translation>%1 マスが唯一の解と合いません。</translation>
    </message>
    <message>
        <source>%1 cells disagree with the one solution.</source>
        <translation>%1 マスが唯一の解と合いません。</translation>
    </message>
    <message>
        <source>&amp;Next step</source>
        <translation>次の一手(&amp;N)</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>チェック(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <translation>強調表示(&amp;L)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1行 %2列</translation>
    </message>
    <message>
        <source>r%1c%2</source>
        <translation>%1行%2列</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>%1 列</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>ネイキッドペア</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>ネイキッドトリプル</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>ネイキッドクアッド</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>隠れペア</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>隠れトリプル</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>隠れクアッド</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X ウイング</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>ソードフィッシュ</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>ジェリーフィッシュ</translation>
    </message>
    <message>
        <source>Hidden single: %1 fits only in %2, so it goes there.</source>
        <translation>隠れシングル: %1 が入るのは %2 だけなので、そこに入ります。</translation>
    </message>
    <message>
        <source>Pointing: in %1, %2 fits only in %3, so %2 goes from the rest of %3.</source>
        <translation>ポインティング: %1 で %2 が入るのは %3 だけなので、%3 の残りから %2 を消します。</translation>
    </message>
    <message>
        <source>Claiming: in %1, %2 fits only in %3, so %2 goes from the rest of %3.</source>
        <translation>クレーミング: %1 で %2 が入るのは %3 だけなので、%3 の残りから %2 を消します。</translation>
    </message>
    <message>
        <source>%1 %2 in %3: %4 hold only %5 between them, so %5 go from the other cells of %3.</source>
        <translation>%3 の%1 %2: %4 には %5 しか入らないので、%3 のほかのマスから %5 を消します。</translation>
    </message>
    <message>
        <source>%1 %2 in %3: %5 fit only in %4, so the other candidates there go.</source>
        <translation>%3 の%1 %2: %5 が入るのは %4 だけなので、そこのほかの候補を消します。</translation>
    </message>
    <message>
        <source>%1 on %2: in %3, %2 fits only in %4, so %2 goes from the rest of %4.</source>
        <translation>%2 の%1: %3 で %2 が入るのは %4 だけなので、%4 の残りから %2 を消します。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>XY-wing: %1 sees %2 and %3, so %4 goes from the cells that see both of these.</source>
        <translation>XY ウイング: %1 は %2 と %3 に利いているので、この二つの両方に利くマスから %4 を消します。</translation>
    </message>
    <message>
        <source>XYZ-wing: %1 sees %2 and %3, so %4 goes from the cells that see all three.</source>
        <translation>XYZ ウイング: %1 は %2 と %3 に利いているので、三つすべてに利くマスから %4 を消します。</translation>
    </message>
    <message>
        <source>%1 holds %2, so %2 goes from the other cells of its row, column and box.</source>
        <translation>%1 は %2 なので、その行・列・ブロックのほかのマスから %2 を消します。</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>パズル %1</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>シード %1</translation>
    </message>
    <message>
        <source>Solution %1</source>
        <translation>解答 %1</translation>
    </message>
    <message>
        <source>not rated</source>
        <translation>難易度なし</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>解なし</translation>
    </message>
    <message>
        <source>several solutions</source>
        <translation>複数の解</translation>
    </message>
    <message>
        <source>an SVG file holds one puzzle, not %1</source>
        <translation>SVG ファイルに入るパズルは一つで、%1 個ではありません</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Open a puzzle</source>
        <translation>パズルを開く</translation>
    </message>
    <message>
        <source>Puzzles (*.txt *.sdk *.ss *.json);;All files (*)</source>
        <translation>パズル (*.txt *.sdk *.ss *.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save the grid</source>
        <translation>盤面を保存</translation>
    </message>
    <message>
        <source>A puzzle line (*.txt);;Nine rows (*.sdk);;Every cell&apos;s text (*.json)</source>
        <translation>パズル行 (*.txt);;9 行の盤面 (*.sdk);;すべてのマスの文字 (*.json)</translation>
    </message>
    <message>
        <source>No puzzle after this one in the file.</source>
        <translation>ファイルにはこのあとのパズルがありません。</translation>
    </message>
    <message>
        <source>No puzzle before this one in the file.</source>
        <translation>ファイルにはこの前のパズルがありません。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Usage: noralim [OPTION]... [PUZZLE | FILE[:LINE]]
  or:  noralim --export=OUT [--per-page=N] [--solutions] PUZZLE|FILE[:LINE]...
Opens the window for 9x9 number-place (sudoku) puzzles, as it was left when
no operand is given, else with the operand&apos;s puzzle. Type the givens and
press &quot;Calc&quot; (or F5, or Ctrl+Enter) to narrow every cell to its candidates;
&quot;Clear&quot; empties the grid. The title then says how the run ended.

  PUZZLE      81 characters row-major (&apos;1&apos;-&apos;9&apos; givens; &apos;.&apos;, &apos;0&apos; or &apos;-&apos; empty)
              or a JSON line (an array of 81 strings, or {&quot;cells&quot;: [...]})
  FILE        the first puzzle in FILE is loaded: a puzzle line, a JSON line,
              nine rows (with borders, as web pages, .sdk and .ss files have
              them) or 729 candidates
  FILE:LINE   the puzzle that starts on line LINE of FILE is loaded
  --pace=MS   after each cell a run changes, wait MS milliseconds (0 to 1000)
              so that a person can follow the run; 0, the default, for none
  --export=OUT  write the puzzles of the operands (PUZZLE, FILE for all its
              puzzles, FILE:LINE; any number of them) to OUT and exit, with no
              window: OUT.pdf a booklet, each puzzle with its number, its
              rating and its seed; OUT.svg one puzzle
  --per-page=N  puzzles on a page of the booklet: 1, 2, 4 (the default) or 6
  --solutions   the solutions after the puzzles, smaller, 12 a page
  -h, --help  show this text and exit
  --version   show the version and exit
  --          end the options: the argument after it is the operand
Long options may be shortened to any beginning that names one of them. The
toolkit&apos;s own options (-platform NAME, -style=NAME, -reverse and the like)
are passed to it.

In the window, Ctrl+O opens a puzzle file (Alt+Right and Alt+Left go to its
next and previous puzzle), Ctrl+S saves the grid, Ctrl+P prints it;
Ctrl+Z and Ctrl+Y undo and redo, Ctrl+W closes, Ctrl+Shift+C
copies the whole grid as one line, and Ctrl+Shift+V, or Ctrl+V of a whole
puzzle into a cell, fills it from the clipboard; F6 shows the next step of
the technique ladder and takes it, F7 checks the grid against the solution,
Ctrl+1 to Ctrl+9 highlight a digit; noralim(1) lists every key.
Messages on stderr: &quot;FILE:LINE: what is wrong&quot; for an operand that names
no puzzle, &quot;noralim: what is wrong&quot; for a usage error.
The window keeps its grid, history and source in the user&apos;s data folder
after every step, and opens with them again.
Exit status: 0 when the window is closed or the export written, 2 for a
usage error, a bad operand, no display, an export that cannot be written,
or help or version text that cannot be written.
</source>
        <translation>使い方: noralim [オプション]... [PUZZLE | FILE[:LINE]]
  または: noralim --export=OUT [--per-page=N] [--solutions] PUZZLE|FILE[:LINE]...
9×9 のナンバープレース（数独）のウィンドウを開きます。オペランドがなければ前回
閉じたときのまま、あればオペランドのパズルで開きます。ヒントの数字を入力して
「Calc」（または F5、Ctrl+Enter）を押すと、どのマスも入りうる数字の候補に絞り
込まれます。「Clear」で盤面を空にします。結果はタイトルに表示されます。

  PUZZLE      行ごとに並べた 81 文字（&apos;1&apos;〜&apos;9&apos; はヒント、&apos;.&apos;、&apos;0&apos;、&apos;-&apos; は空きマス）
              または JSON 行（81 個の文字列の配列か {&quot;cells&quot;: [...]}）
  FILE        FILE の最初のパズルを読み込みます: パズル行、JSON 行、9 行の盤面
              （Web ページや .sdk、.ss ファイルのような罫線つき）、729 文字の候補
  FILE:LINE   FILE の LINE 行目から始まるパズルを読み込みます
  --pace=MS   計算がマスを一つ変えるたびに MS ミリ秒（0〜1000）待ち、その歩みを
              目で追えるようにします。既定の 0 では待ちません
  --export=OUT  オペランドのパズル（PUZZLE、FILE ならそのすべてのパズル、
              FILE:LINE。いくつでも）を OUT に書き出して終了します。ウィンドウは
              開きません。OUT.pdf は冊子で、各パズルに番号、難易度、シードを
              添えます。OUT.svg はパズル一つです
  --per-page=N  冊子の 1 ページに載せるパズルの数: 1、2、4（既定）、6
  --solutions   パズルのあとに解答を、小さく 1 ページに 12 ずつ載せます
  -h, --help  この説明を表示して終了します
  --version   バージョンを表示して終了します
  --          オプションの終わり: その次の引数をオペランドとします
長いオプションは、一つに決まるかぎり先頭だけに縮めて書けます。ツールキット
自身のオプション（-platform NAME、-style=NAME、-reverse など）はツールキットに
渡されます。

ウィンドウでは Ctrl+O でパズルのファイルを開き（Alt+Right と Alt+Left でその
次と前のパズルへ）、Ctrl+S で盤面を保存し、Ctrl+P で印刷します。
Ctrl+Z と Ctrl+Y で元に戻す・やり直し、Ctrl+W で閉じ、
Ctrl+Shift+C で盤面全体を一行にしてコピーし、Ctrl+Shift+V か、マスへの
Ctrl+V でクリップボードのパズルから盤面を埋めます。F6 で手筋の次の一手を示して
進め、F7 で盤面を解と照らし合わせ、Ctrl+1〜Ctrl+9 で数字を強調表示します。
キーの一覧は noralim(1) にあります。
標準エラーのメッセージ: パズルを示さないオペランドには
&quot;FILE:LINE: 問題の内容&quot;、使い方の誤りには &quot;noralim: 問題の内容&quot;。
ウィンドウは一手ごとに盤面、履歴、出どころをユーザーのデータフォルダーに保存し、
次に開くときに元に戻します。
終了ステータス: ウィンドウを閉じたとき、書き出しを終えたときは 0、使い方の誤り、
不正なオペランド、ディスプレイがないとき、書き出せなかったとき、ヘルプや
バージョンを書き出せなかったときは 2。
</translation>
    </message>
    <message>
        <source>--export needs a puzzle or a file</source>
        <translation>--export にはパズルかファイルが必要です</translation>
    </message>
    <message>
        <source>--per-page and --solutions go with --export</source>
        <translation>--per-page と --solutions は --export と一緒に使います</translation>
    </message>
    <message>
        <source>%1 takes 1, 2, 4 or 6</source>
        <translation>%1 には 1、2、4、6 のどれかを指定します</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>1, 2, 4 or 6 puzzles</source>
        <translation>パズルの数 1、2、4、6</translation>
    </message>
    <message>
        <source>The last session could not be restored (%1); its file is kept as %2.</source>
        <translation>前回の状態を元に戻せませんでした（%1）。そのファイルは %2 として残してあります。</translation>
    </message>
    <message>
        <source>The last session could not be restored (%1); nothing is saved.</source>
        <translation>前回の状態を元に戻せませんでした（%1）。状態は保存されません。</translation>
    </message>
    <message>
        <source>a cell&apos;s kind is not one of g, e, w</source>
        <translation>マスの種類が g、e、w のどれでもありません</translation>
    </message>
    <message>
        <source>a changed cell is not 4 values</source>
        <translation>変更されたマスが 4 つの値ではありません</translation>
    </message>
    <message>
        <source>not 81 cells</source>
        <translation>マスが 81 個ではありません</translation>
    </message>
    <message>
        <source>a cell is not UTF-8</source>
        <translation>マスが UTF-8 ではありません</translation>
    </message>
    <message>
        <source>not a state of this program</source>
        <translation>このプログラムの状態ではありません</translation>
    </message>
    <message>
        <source>written by a newer version</source>
        <translation>新しいバージョンで書かれています</translation>
    </message>
    <message>
        <source>the steps do not fit the grid</source>
        <translation>履歴の手順が盤面に合いません</translation>
    </message>
    <message>
        <source>no digit to highlight</source>
        <translation>強調表示する数字がありません</translation>
    </message>
    <message>
        <source>nested too deep</source>
        <translation>入れ子が深すぎます</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>JSON ではありません</translation>
    </message>
</context>
</TS>
