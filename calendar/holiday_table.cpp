// The built-in holiday table: one text per row, fields separated by "#":
//   date # group # picture # ten names (Russian, English, German, French, Spanish,
//   Chinese, Italian, Czech, Japanese, Korean) # countries
// Table order matters: today's holidays are taken in this order.
#include "calendar/holiday_table.h"

#include <array>
#include <cassert>

namespace tavik::calendar {
namespace {

constexpr std::array<std::string_view, 82> kRowTexts = {
    "01.01.0000#ALL#R_NEWYEAR#Новый год#New Year#Neujahr#Nouvel An#Año Nuevo#新年#Capodanno#Nový "
    "rok#元日#새해#ALL",
    "20.01.0000#USA#R_CAPITOL#День инаугурации#Inauguration day#Tag der Amtseinführung#Jour de "
    "l'investiture#Día de la investidura#总统就职日#Giorno dell'insediamento#Den "
    "inaugurace#大統領就任式の日#대통령 취임식 날#USA",
    "25.01.0000#RUS#R_STUDENT#Татьянин день, день российского студенчества#Tatyana`s day, the day "
    "of Russian students#Tatjanatag, Tag der russischen Studenten#Fête de Tatiana, jour des "
    "étudiants russes#Día de Tatiana, día de los estudiantes "
    "rusos#塔季扬娜节，俄罗斯大学生日#Giorno di Tatiana, festa degli studenti russi#Den svaté "
    "Taťány, den ruských studentů#タチアナの日、ロシアの学生の日#타티아나의 날, 러시아 대학생의 "
    "날#RUS",
    "27.01.0000#RUS#R_SALUTE0#День снятия блокады Ленинграда#Day of the lifting of the siege of "
    "Leningrad#Tag der Befreiung Leningrads von der Blockade#Jour de la levée du siège de "
    "Leningrad#Día del levantamiento del sitio de Leningrado#列宁格勒解围日#Giorno della fine "
    "dell'assedio di Leningrado#Den prolomení blokády "
    "Leningradu#レニングラード包囲解放の日#레닌그라드 봉쇄 해제의 날#RUS",
    "****3.2.01#USA#R_DOVEPCE#День Мартина Лютера Кинга#Martin Luther King "
    "Day#Martin-Luther-King-Tag#Journée de Martin Luther King#Día de Martin Luther "
    "King#马丁·路德·金纪念日#Giorno di Martin Luther King#Den Martina Luthera "
    "Kinga#キング牧師記念日#마틴 루서 킹의 날#USA",
    "02.02.1943#RUS#R_STARRED#День победы в Сталинградской битве#Stalingrad victory day#Tag des "
    "Sieges in der Schlacht von Stalingrad#Jour de la victoire de Stalingrad#Día de la victoria en "
    "Stalingrado#斯大林格勒战役胜利日#Giorno della vittoria di Stalingrado#Den vítězství u "
    "Stalingradu#スターリングラード戦勝記念日#스탈린그라드 전투 승리의 날#RUS",
    "08.02.0000#RUS#R_SCIENCE#День российской науки#The day of Russian Science#Tag der russischen "
    "Wissenschaft#Journée de la science russe#Día de la ciencia rusa#俄罗斯科学日#Giornata della "
    "scienza russa#Den ruské vědy#ロシア科学の日#러시아 과학의 날#RUS",
    "14.02.0000#ALL#R_VALENTN#День святого Валентина#Valentine`s "
    "day#Valentinstag#Saint-Valentin#Día de San Valentín#情人节#San Valentino#Den svatého "
    "Valentýna#バレンタインデー#밸런타인데이#ALL",
    "23.02.0000#RUS#R_SHIELD0#День защитника Отечества#Defender of the fatherland day#Tag des "
    "Verteidigers des Vaterlandes#Jour du défenseur de la patrie#Día del defensor de la "
    "patria#祖国保卫者日#Giorno del difensore della patria#Den obránců vlasti#祖国防衛者の日#조국 "
    "수호자의 날#RUS",
    "08.03.0000#ALL#R_TULIPS0#Международный женский день#International women`s day#Internationaler "
    "Frauentag#Journée internationale des femmes#Día Internacional de la Mujer#国际妇女节#Giornata "
    "internazionale della donna#Mezinárodní den žen#国際女性デー#세계 여성의 날#ALL",
    "17.03.0000#USA#R_SHAMROC#День святого Патрика#St. Patrick`s day#St. Patrick's "
    "Day#Saint-Patrick#Día de San Patricio#圣帕特里克节#Festa di San Patrizio#Den svatého "
    "Patrika#聖パトリックの日#성 패트릭의 날#USA IRL",
    "01.04.0000#ALL#R_JESTER0#День смеха#April Fools` day#Aprilscherz-Tag#Poisson d'avril#Día de "
    "las bromas de abril#愚人节#Pesce d'aprile#Apríl#エイプリルフール#만우절#ALL",
    "02.04.0000#RUS#R_UNITY00#День единения народов#Unity day#Tag der Einheit der Völker#Jour de "
    "l'unité des peuples#Día de la unidad de los pueblos#人民团结日#Giorno dell'unità dei "
    "popoli#Den jednoty národů#諸民族団結の日#민족 단결의 날#RUS BLR",
    "12.04.0000#RUS#R_ROCKET0#День космонавтики#Day of cosmonautics#Tag der Raumfahrt#Journée de "
    "la cosmonautique#Día de la cosmonáutica#航天日#Giornata della cosmonautica#Den "
    "kosmonautiky#宇宙飛行士の日#우주 비행의 날#RUS",
    "18.04.1242#RUS#R_HELMET0#Ледовое побоище#Battle on the Ice victory day#Tag des Sieges in der "
    "Schlacht auf dem Eise#Jour de la victoire de la bataille des glaces#Día de la victoria de la "
    "batalla del hielo#冰上大战胜利日#Giorno della vittoria nella battaglia del ghiaccio#Den "
    "vítězství v bitvě na Čudském jezeře#氷上の戦い戦勝記念日#얼음 위의 전투 승리의 날#RUS",
    "01.05.0000#ALL#R_LABOR00#Праздник весны и труда#Labor Day#Tag der Arbeit#Fête du Travail#Día "
    "del Trabajo#劳动节#Festa del lavoro#Svátek práce#メーデー#노동절#ALL",
    "02.05.0000#ISP#R_FLAGMAD#День Мадрида#Day Of Madrid#Tag von Madrid#Jour de Madrid#Día de "
    "Madrid#马德里日#Giorno di Madrid#Den Madridu#マドリードの日#마드리드의 날#ESP",
    "07.05.0000#RUS#R_RADIO00#День радио#Radio day#Tag des Radios#Journée de la radio#Día de la "
    "radio#无线电日#Giornata della radio#Den rádia#ラジオの日#라디오의 날#RUS",
    "08.05.0000#FRA#R_LAUREL0#День победы#Victory day#Tag des Sieges#Fête de la Victoire#Día de la "
    "victoria#胜利日#Giorno della vittoria#Den vítězství#戦勝記念日#승전 기념일#FRA",
    "09.05.1945#RUS#R_VICTORY#День Победы в Великой Отечественной войне#Victory day in Great "
    "Patriotic war#Tag des Sieges im Großen Vaterländischen Krieg#Jour de la victoire dans la "
    "Grande Guerre patriotique#Día de la victoria en la Gran Guerra "
    "Patria#伟大卫国战争胜利日#Giorno della vittoria nella Grande guerra patriottica#Den vítězství "
    "ve Velké vlastenecké válce#大祖国戦争戦勝記念日#대조국전쟁 승전 기념일#RUS",
    "24.05.0000#RUS#R_BOOK000#День славянской письменности и культуры#The day of Slavonic "
    "Literature and culture#Tag des slawischen Schrifttums und der Kultur#Journée de l'écriture et "
    "de la culture slaves#Día de la escritura y la cultura eslavas#斯拉夫文字与文化日#Giornata "
    "della scrittura e della cultura slava#Den slovanského písemnictví a "
    "kultury#スラヴ文字と文化の日#슬라브 문자와 문화의 날#RUS BGR",
    "29.05.0000#RUS#R_FLASK00#День химика#Chemist`s day#Tag des Chemikers#Journée du chimiste#Día "
    "del químico#化学家日#Giornata del chimico#Den chemiků#化学者の日#화학자의 날#RUS",
    "01.06.0000#ALL#R_BALLOON#Международный день защиты детей#International children`s "
    "day#Internationaler Kindertag#Journée internationale de l'enfance#Día Internacional del "
    "Niño#国际儿童节#Giornata internazionale dei bambini#Mezinárodní den dětí#国際子供の日#국제 "
    "어린이날#ALL",
    "12.06.0000#RUS#R_FLAGRUS#День России#Russia Day#Tag Russlands#Jour de la Russie#Día de "
    "Rusia#俄罗斯日#Giornata della Russia#Den Ruska#ロシアの日#러시아의 날#RUS",
    "14.06.0000#USA#R_FLAGUSA#День американского флага#American flag day#Tag der amerikanischen "
    "Flagge#Jour du drapeau américain#Día de la bandera estadounidense#美国国旗日#Giorno della "
    "bandiera americana#Den americké vlajky#アメリカ国旗の日#미국 국기의 날#USA",
    "21.06.0000#FRA#R_MUSIC00#Праздник музыки#Music day#Fest der Musik#Fête de la musique#Día de "
    "la música#音乐节#Festa della musica#Svátek hudby#音楽の日#음악의 날#FRA",
    "22.06.0000#RU-#R_CANDLE0#День памяти и скорби#Day of remembrance and mourning#Tag der "
    "Erinnerung und Trauer#Jour du souvenir et du deuil#Día del recuerdo y del "
    "luto#纪念与哀悼日#Giorno della memoria e del lutto#Den vzpomínky a "
    "smutku#追悼と哀悼の日#추모와 애도의 날#RUS",
    "27.06.0000#RUS#R_GUITAR0#День молодёжи#Youth day#Tag der Jugend#Journée de la jeunesse#Día de "
    "la juventud#青年节#Giornata della gioventù#Den mládeže#青年の日#청년의 날#RUS",
    "04.07.0000#USA#R_LIBERTY#День независимости#Independence day#Unabhängigkeitstag#Jour de "
    "l'indépendance#Día de la Independencia#独立日#Giorno dell'indipendenza#Den "
    "nezávislosti#独立記念日#독립기념일#USA",
    "08.07.0000#RUS#R_CHAMOMI#День семьи, любви и верности#Day of family, love and fidelity#Tag "
    "der Familie, der Liebe und der Treue#Jour de la famille, de l'amour et de la fidélité#Día de "
    "la familia, el amor y la fidelidad#家庭、爱情与忠诚日#Giorno della famiglia, dell'amore e "
    "della fedeltà#Den rodiny, lásky a věrnosti#家族と愛と貞節の日#가족, 사랑, 신의의 날#RUS",
    "10.07.1709#RUS#R_SWORD00#День победы в Полтавском сражении#Poltava victory day#Tag des Sieges "
    "in der Schlacht bei Poltawa#Jour de la victoire de Poltava#Día de la victoria de "
    "Poltava#波尔塔瓦战役胜利日#Giorno della vittoria di Poltava#Den vítězství u "
    "Poltavy#ポルタヴァ戦勝記念日#폴타바 전투 승리의 날#RUS",
    "14.07.0000#FRA#R_FLAGFRA#День взятия Бастилии#Bastille Day#Tag des Sturms auf die "
    "Bastille#Fête nationale (prise de la Bastille)#Día de la toma de la "
    "Bastilla#攻占巴士底狱纪念日#Presa della Bastiglia#Den dobytí Bastily#パリ祭#바스티유의 날#FRA",
    "18.07.0000#USA#R_HOTDOG0#Национальный день хот-дога#National hot dog day#Nationaler "
    "Hotdog-Tag#Journée nationale du hot-dog#Día nacional del perrito caliente#全国热狗日#Giornata "
    "nazionale dell'hot dog#Národní den párku v rohlíku#ナショナル・ホットドッグ・デー#전국 "
    "핫도그의 날#USA",
    "28.07.0988#RUS#R_CROSSOR#День Крещения Руси#The day of the baptism of RUS`#Tag der Taufe der "
    "Rus#Jour du baptême de la Rus'#Día del bautismo de la Rus#罗斯受洗日#Giorno del battesimo "
    "della Rus'#Den pokřtění Rusi#ルーシの洗礼の日#루스 세례의 날#RUS",
    "16.08.0000#USA#R_GUITAR0#День памяти Элвиса Пресли#Elvis Presley Memorial "
    "Day#Elvis-Presley-Gedenktag#Journée commémorative d'Elvis Presley#Día en memoria de Elvis "
    "Presley#猫王纪念日#Giorno in memoria di Elvis Presley#Den památky Elvise "
    "Presleyho#エルヴィス・プレスリー追悼の日#엘비스 프레슬리 추모일#USA",
    "22.08.0000#RUS#R_FLAGRUS#День Государственного флага России#The day of the national flag of "
    "Russia#Tag der russischen Staatsflagge#Jour du drapeau national de la Russie#Día de la "
    "bandera nacional de Rusia#俄罗斯国旗日#Giornata della bandiera nazionale russa#Den státní "
    "vlajky Ruska#ロシア国旗の日#러시아 국기의 날#RUS",
    "23.08.1943#RUS#R_STARRED#День победы в Курской битве#Kursk victory day#Tag des Sieges in der "
    "Schlacht am Kursker Bogen#Jour de la victoire de Koursk#Día de la victoria de "
    "Kursk#库尔斯克战役胜利日#Giorno della vittoria di Kursk#Den vítězství u "
    "Kurska#クルスク戦勝記念日#쿠르스크 전투 승리의 날#RUS",
    "01.09.0000#RUS#R_BELL000#День знаний#The day of knowledge#Tag des Wissens#Journée du "
    "savoir#Día del conocimiento#知识日#Giornata della conoscenza#Den vědění#知識の日#지식의 "
    "날#RUS",
    "02.09.0000#ALL#R_DOVEPCE#День окончания Второй мировой войны#Day of the end of World War "
    "II#Tag des Endes des Zweiten Weltkriegs#Jour de la fin de la Seconde Guerre mondiale#Día del "
    "fin de la Segunda Guerra Mundial#第二次世界大战结束日#Giorno della fine della seconda guerra "
    "mondiale#Den konce druhé světové války#第二次世界大戦終結の日#제2차 세계대전 종전일#ALL",
    "08.09.1812#RUS#R_SWORD00#День Бородинского сражения#Borodino day#Tag der Schlacht von "
    "Borodino#Jour de la bataille de Borodino#Día de la batalla de "
    "Borodinó#博罗季诺战役纪念日#Giorno della battaglia di Borodino#Den bitvy u "
    "Borodina#ボロジノの戦いの日#보로디노 전투의 날#RUS",
    "13.09.0000#ALL#R_PROGRAM#День программиста#Programmer`s day#Tag des Programmierers#Journée du "
    "programmeur#Día del programador#程序员节#Giornata del programmatore#Den "
    "programátorů#プログラマーの日#프로그래머의 날#ALL",
    "21.09.1380#RUS#R_HELMET0#День победы в Куликовской битве#Kulikovo victory day#Tag des Sieges "
    "in der Schlacht auf dem Kulikowo-Feld#Jour de la victoire de Koulikovo#Día de la victoria de "
    "Kulikovo#库利科沃战役胜利日#Giorno della vittoria di Kulikovo#Den vítězství na Kulikovském "
    "poli#クリコヴォの戦い戦勝記念日#쿨리코보 전투 승리의 날#RUS",
    "01.10.0000#RUS#R_AUTUMN0#День пожилых людей#Day of older persons#Tag der älteren "
    "Menschen#Journée des personnes âgées#Día de las personas mayores#老年人节#Giornata degli "
    "anziani#Den seniorů#高齢者の日#노인의 날#RUS",
    "03.10.0000#DEU#R_FLAGDEU#День германского единства#Day of German unity#Tag der Deutschen "
    "Einheit#Jour de l'unité allemande#Día de la unidad alemana#德国统一日#Giorno dell'unità "
    "tedesca#Den německé jednoty#ドイツ統一の日#독일 통일의 날#DEU",
    "05.10.0000#RUS#R_BOARD00#День учителя#Teacher`s day#Tag des Lehrers#Journée des "
    "enseignants#Día del maestro#教师节#Giornata degli insegnanti#Den učitelů#教師の日#스승의 "
    "날#RUS",
    "12.10.0000#ISP#R_FLAGESP#Национальный праздник Испании#National day of Spain#Spanischer "
    "Nationalfeiertag#Fête nationale espagnole#Fiesta Nacional de España#西班牙国庆日#Festa "
    "nazionale spagnola#Státní svátek Španělska#スペイン建国記念日#스페인 국경일#ESP",
    "21.10.0000#ENG#R_APPLE00#День яблока#Apple day#Apfeltag#Jour de la pomme#Día de la "
    "manzana#苹果日#Giornata della mela#Den jablek#リンゴの日#사과의 날#GBR",
    "31.10.0000#ALL#R_PUMPKIN#Хэллоуин#Halloween#Halloween#Halloween#Halloween#万圣节前夜#"
    "Halloween#Halloween#ハロウィン#핼러윈#ALL",
    "05.11.0000#ENG#R_BONFIRE#Ночь Гая Фокса, или Ночь костров#Guy Fawkes night or Night "
    "campfires#Guy-Fawkes-Nacht oder Nacht der Feuer#Nuit de Guy Fawkes ou nuit des feux de "
    "joie#Noche de Guy Fawkes o noche de las hogueras#盖伊·福克斯之夜（篝火之夜）#Notte di Guy "
    "Fawkes o notte dei falò#Noc Guye Fawkese neboli noc "
    "ohňů#ガイ・フォークス・ナイト（焚き火の夜）#가이 포크스의 밤 (모닥불의 밤)#GBR",
    "11.11.0000#ALL#R_POPPY00#День окончания Первой мировой войны#The end of the first world "
    "war#Ende des Ersten Weltkriegs#Fin de la Première Guerre mondiale#Fin de la Primera Guerra "
    "Mundial#第一次世界大战结束日#Fine della prima guerra mondiale#Konec první světové "
    "války#第一次世界大戦終結の日#제1차 세계대전 종전일#ALL",
    "****4.5.11#USA#R_TURKEY0#День благодарения#Thanksgiving#Erntedankfest (Thanksgiving)#Action "
    "de grâce#Día de Acción de Gracias#感恩节#Giorno del "
    "Ringraziamento#Díkůvzdání#感謝祭#추수감사절#USA",
    "05.12.1941#RUS#R_KREMLIN#День начала контрнаступления под Москвой#Day of the "
    "counter-offensive near Moscow#Tag des Beginns der Gegenoffensive vor Moskau#Jour de la "
    "contre-offensive devant Moscou#Día de la contraofensiva ante "
    "Moscú#莫斯科城下反攻纪念日#Giorno della controffensiva davanti a Mosca#Den protiofenzívy u "
    "Moskvy#モスクワ反攻開始の日#모스크바 반격 개시의 날#RUS",
    "06.12.0000#ISP#R_CONSTIT#День Конституции Испании#Constitution Day in Spain#Tag der "
    "spanischen Verfassung#Jour de la Constitution espagnole#Día de la Constitución "
    "Española#西班牙宪法日#Giorno della Costituzione spagnola#Den španělské "
    "ústavy#スペイン憲法記念日#스페인 제헌절#ESP",
    "12.12.0000#RUS#R_CONSTIT#День Конституции Российской Федерации#Constitution Day Of Russia#Tag "
    "der Verfassung Russlands#Jour de la Constitution de la Russie#Día de la Constitución de "
    "Rusia#俄罗斯宪法日#Giorno della Costituzione russa#Den ústavy Ruska#ロシア憲法記念日#러시아 "
    "제헌절#RUS",
    "22.12.0000#RUS#R_LIGHTNG#День энергетика#The day of power branch workers#Tag der "
    "Energiewirtschaft#Journée des énergéticiens#Día de los trabajadores de la "
    "energía#电力工作者节#Giornata dei lavoratori dell'energia#Den energetiků#電力労働者の日#전력 "
    "노동자의 날#RUS",
    "27.12.0000#RUS#R_RESCUER#День спасателя Российской Федерации#The rescuer day Russia#Tag der "
    "Retter Russlands#Journée des sauveteurs de Russie#Día del rescatador de "
    "Rusia#俄罗斯救援人员日#Giornata dei soccorritori in Russia#Den záchranářů "
    "Ruska#ロシア救助隊員の日#러시아 구조대원의 날#RUS",
    "pasha.p000#PRA#R_EASTEGG#Пасха#Easter#Ostern#Pâques#Pascua#复活节#Pasqua#Velikonoce#復活祭#"
    "부활절#",
    "pasha.p-07#PRA#R_PALMBRN#Вход Господень в Иерусалим#The entry into Jerusalem#Einzug in "
    "Jerusalem (Palmsonntag)#Entrée du Christ à Jérusalem#Entrada en Jerusalén#主进圣城节#Ingresso "
    "a Gerusalemme#Vjezd do Jeruzaléma#主の聖都エルサレム入城#주님의 예루살렘 입성#",
    "pasha.p+39#PRA#R_ASCENSN#Вознесение Господне#Ascension Of Our Lord#Christi "
    "Himmelfahrt#Ascension du Seigneur#Ascensión del Señor#耶稣升天节#Ascensione del "
    "Signore#Nanebevstoupení Páně#主の昇天祭#주님 승천 대축일#",
    "pasha.p+49#PRA#R_BIRCH00#День Святой Троицы#Trinity Sunday#Dreifaltigkeitsfest#Fête de la "
    "Sainte Trinité#Fiesta de la Santísima Trinidad#圣三一节#Festa della Santissima "
    "Trinità#Slavnost Nejsvětější Trojice#聖三者祭#성삼위일체 대축일#",
    "07.01.0000#PRA#R_XMASSTR#Рождество "
    "Христово#Christmas#Weihnachten#Noël#Navidad#圣诞节#Natale#Vánoce#降誕祭#성탄절#",
    "14.01.0000#PRA#R_CROSSOR#Обрезание Господне#Circumcision Of The Lord#Beschneidung des "
    "Herrn#Circoncision du Seigneur#Circuncisión del Señor#主受割礼节#Circoncisione del "
    "Signore#Obřezání Páně#主の割礼祭#주님의 할례 축일#",
    "19.01.0000#PRA#R_EPIPHAN#Крещение Господне#Epiphany#Taufe des Herrn "
    "(Epiphanie)#Épiphanie#Epifanía#主显节#Epifania#Křest Páně#神現祭#주님 공현 대축일#",
    "15.02.0000#PRA#R_CANDLE0#Сретение Господне#Candlemas#Darstellung des Herrn "
    "(Lichtmess)#Chandeleur#Candelaria#献主节#Candelora#Hromnice#主の迎接祭#주님 봉헌 축일#",
    "07.04.0000#PRA#R_LILY000#Благовещение Пресвятой Богородицы#Annunciation to the Most Holy "
    "Theotokos#Verkündigung an die Allheilige Gottesgebärerin#Annonciation à la Très Sainte Mère "
    "de Dieu#Anunciación a la Santísima Madre de Dios#圣母领报节#Annunciazione della Santissima "
    "Madre di Dio#Zvěstování Přesvaté Bohorodici#生神女福音祭#성모 영보 축일#",
    "07.07.0000#PRA#R_CROSSOR#Рождество Иоанна Предтечи#The Nativity of John the Baptist "
    "(Forerunner)#Geburt Johannes des Täufers (des Vorläufers)#Nativité de Jean-Baptiste (le "
    "Précurseur)#Natividad de Juan el Bautista (el Precursor)#施洗约翰（先驱）诞辰#Natività di "
    "Giovanni Battista (il Precursore)#Narození Jana Křtitele "
    "(Předchůdce)#前駆授洗イオアンの誕生祭#세례자 요한(선구자) 탄생 축일#",
    "12.07.0000#PRA#R_KEYS000#День святых первоверховных апостолов Петра и Павла#Day of the Holy "
    "Primate Apostles Peter and Paul#Tag der heiligen Apostelfürsten Petrus und Paulus#Fête des "
    "saints apôtres Pierre et Paul#Día de los santos apóstoles Pedro y "
    "Pablo#圣首席使徒彼得和保罗节#Festa dei santi apostoli Pietro e Paolo#Svátek svatých apoštolů "
    "Petra a Pavla#聖使徒ペトル・パウェル祭#성 베드로와 성 바오로 사도 대축일#",
    "19.08.0000#PRA#R_APPLE00#Преображение Господне#Transfiguration#Verklärung des "
    "Herrn#Transfiguration#Transfiguración#主显圣容节#Trasfigurazione#Proměnění "
    "Páně#主の変容祭#주님의 거룩한 변모 축일#",
    "28.08.0000#PRA#R_CHURCH0#Успение Пресвятой Богородицы#Dormition of the Virgin#Entschlafen der "
    "Gottesmutter#Dormition de la Vierge#Dormición de la Virgen#圣母安息节#Dormizione della "
    "Vergine#Zesnutí Bohorodice#生神女就寝祭#성모 안식 축일#",
    "11.09.0000#PRA#R_CROSSOR#Усекновение главы Иоанна Предтечи#Beheading of John the "
    "Baptist#Enthauptung Johannes des Täufers#Décollation de saint Jean-Baptiste#Degollación de "
    "San Juan Bautista#施洗约翰被斩首纪念日#Decollazione di San Giovanni Battista#Stětí Jana "
    "Křtitele#前駆授洗イオアン斬首祭#세례자 요한 참수 기념일#",
    "21.09.0000#PRA#R_LILY000#Рождество Пресвятой Богородицы#Nativity Of The Virgin#Geburt der "
    "Gottesmutter#Nativité de la Vierge#Natividad de la Virgen#圣母诞辰节#Natività della "
    "Vergine#Narození Panny Marie#生神女誕生祭#성모 탄생 축일#",
    "27.09.0000#PRA#R_CROSSOR#Воздвижение Креста Господня#Exaltation of the Cross of the "
    "Lord#Kreuzerhöhung#Exaltation de la Sainte Croix#Exaltación de la Santa "
    "Cruz#举荣圣架节#Esaltazione della Santa Croce#Povýšení svatého Kříže#十字架挙栄祭#성 십자가 "
    "현양 축일#",
    "14.10.0000#PRA#R_CHURCH0#Покров Пресвятой Богородицы#Protection of the Most Holy "
    "Theotokos#Schutz der Allheiligen Gottesgebärerin#Protection de la Très Sainte Mère de "
    "Dieu#Protección de la Santísima Madre de Dios#圣母帡幪节#Protezione della Santissima Madre di "
    "Dio#Ochrana Přesvaté Bohorodice#生神女庇護祭#성모 보호 축일#",
    "04.12.0000#PRA#R_CHURCH0#Введение во храм Пресвятой Богородицы#Presentation of the "
    "Theotokos#Einführung der Gottesmutter in den Tempel#Présentation de la Mère de Dieu au "
    "Temple#Presentación de la Madre de Dios en el Templo#圣母进堂节#Presentazione al Tempio della "
    "Madre di Dio#Uvedení Bohorodice do chrámu#生神女進堂祭#성모 입당 축일#",
    "pasha.k000#KAT#R_EASTEGG#Пасха#Easter#Ostern#Pâques#Pascua#复活节#Pasqua#Velikonoce#復活祭#"
    "부활절#",
    "02.02.0000#KAT#R_CANDLE0#Сретение Господне#Candlemas#Mariä "
    "Lichtmess#Chandeleur#Candelaria#圣母献耶稣于圣殿节#Candelora#Hromnice#主の奉献#주님 봉헌 "
    "축일#",
    "25.03.0000#KAT#R_LILY000#Благовещение#Annunciation#Verkündigung des "
    "Herrn#Annonciation#Anunciación#圣母领报节#Annunciazione#Zvěstování Páně#神のお告げ#주님 탄생 "
    "예고 대축일#",
    "06.08.0000#KAT#R_CROSSCT#Преображение Господне#Transfiguration#Verklärung des "
    "Herrn#Transfiguration#Transfiguración#主显圣容节#Trasfigurazione#Proměnění "
    "Páně#主の変容#주님의 거룩한 변모 축일#",
    "08.09.0000#KAT#R_CATHEDR#Рождество Богородицы#Nativity of the Mother of God#Mariä "
    "Geburt#Nativité de la Vierge Marie#Natividad de la Virgen María#圣母诞辰#Natività della Beata "
    "Vergine Maria#Narození Panny Marie#聖母マリアの誕生#복되신 동정 마리아 탄생 축일#",
    "01.11.0000#KAT#R_CATHEDR#День всех святых#All Saints` day#Allerheiligen#Toussaint#Día de "
    "Todos los Santos#诸圣节#Ognissanti#Slavnost Všech svatých#諸聖人の日#모든 성인 대축일#",
    "24.12.0000#KAT#R_CANDLE0#Сочельник#Christmas Eve#Heiligabend#Veille de "
    "Noël#Nochebuena#平安夜#Vigilia di Natale#Štědrý den#クリスマス・イブ#크리스마스이브#",
    "25.12.0000#KAT#R_XMASSTR#Рождество "
    "Христово#Christmas#Weihnachten#Noël#Navidad#圣诞节#Natale#Vánoce#クリスマス#성탄절#",
};

}  // namespace

std::optional<CalendarRow> ParseCalendarRow(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() < 13) {
        const std::size_t end = text.find('#', start);
        if (end == std::string_view::npos) return std::nullopt;
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (fields[0].size() != 10 || fields[1].size() != 3 || fields[2].size() != 9)
        return std::nullopt;
    CalendarRow row;
    row.date = std::string(fields[0]);
    row.group = std::string(fields[1]);
    row.picture = std::string(fields[2]);
    for (int i = 0; i < words::kLanguageCount; ++i) row.names[i] = std::string(fields[3 + i]);
    return row;
}

const std::string& CalendarRow::name(int language) const {
    // The row lists Russian first and English second; the language indexes put English
    // first and Russian second, the other eight in the same order.
    const int lang = words::effectiveLanguage(language);
    if (lang == words::kEnglish) return names[1];
    if (lang == words::kRussian) return names[0];
    return names[lang];
}

const std::vector<CalendarRow>& BuiltinRows() {
    static const std::vector<CalendarRow> rows = [] {
        std::vector<CalendarRow> out;
        out.reserve(kRowTexts.size());
        for (std::string_view text : kRowTexts) {
            std::optional<CalendarRow> row = ParseCalendarRow(text);
            assert(row && "malformed built-in calendar row");
            if (row) out.push_back(std::move(*row));
        }
        return out;
    }();
    return rows;
}

}  // namespace tavik::calendar
