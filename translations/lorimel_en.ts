<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel  3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Authoring System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made for Linux with C++ and Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ActiveX and VBScript are trademarks of Microsoft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Your System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppletDialog</name>
    <message>
        <source>Java Applet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HSpace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSpace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename of Applet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL Directory of Applet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Used In HTML Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundSoundsBuilder</name>
    <message>
        <source>Background Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourBar</name>
    <message>
        <source>Color Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a colour to insert its value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour bar: click a colour to insert its value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a colour and insert its value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareView</name>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texts are the same.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContrastBadge</name>
    <message>
        <source>Contrast of the text colour against its background (WCAG 2): normal text needs 4.5:1 for level AA and 7:1 for level AAA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:1  AA %2  AAA %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: contrast %2 to 1, AA %3, AAA %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlBrowser</name>
    <message>
        <source>Use Right Mouse Button to copy controls.
Reading Registry...please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select controls (use Shift and Ctrl keys to multi-select)
Right-Click and choose Copy
This places the appropriate HTML &lt;OBJECT&gt; tag
into your document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Control and Right Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick Your ActiveX Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Registry, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wine registry %1 cannot be read:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ActiveX controls to list.

On Linux they come from a Wine prefix: its registry file
%1
%2

To read another prefix, start Lorimel with WINEPREFIX
set to its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registers none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not exist (Wine is not set up there).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskWatcher</name>
    <message>
        <source>%1 has been deleted or moved away. Its text is still here, not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has been deleted or moved away. The text here is not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has been changed by another program. Your changes here are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentArea</name>
    <message>
        <source>Ta&amp;bbed Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade Child Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile Child Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Edit Your HTML Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Save File
%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripts in previewed pages are switched off: the browser engine cannot use its sandbox here (for example when run as root).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not saved your file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page declares the charset %1, but it is stored as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as declared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;x the declaration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This document holds characters that %1 cannot represent.
Write them as numeric character references (&quot;&amp;#8364;&quot;), or save the document as UTF-8?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character &amp;References</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been changed by another program since it was opened or last saved here.
Save over it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileProperties</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the picture sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the picture up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Created:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture to show:
this file is not an image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileRetriever</name>
    <message>
        <source>File Retriever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the selected file into the website directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text To Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace With:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacements Complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FloatingFrame</name>
    <message>
        <source>Frame Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width (in Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin Height (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin Width (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontWizard</name>
    <message>
        <source>Font Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color against the page background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormBuilder</name>
    <message>
        <source>Form Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL which processes the actions of the form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormInput</name>
    <message>
        <source>Form Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checkbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width (in Characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximun Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width (In Characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textbo&amp;x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height (In Characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameBuilder</name>
    <message>
        <source>Frame Builder: Part1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Your Frame Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameBuilderStep2</name>
    <message>
        <source>Frame Builder: Step 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resizable Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameLayoutPicture</name>
    <message>
        <source>Layout %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FtpUploader</name>
    <message>
        <source>The FTP address is not one this program can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot be stored on a server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphicsBuilder</name>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image URL, and Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Visual Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Filter Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needed For Mask Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needed For: Alpha Filter - Opacity
Blur Filter - Pixel Displacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HSPACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSPACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image has no ALT text: people who cannot see it get nothing in its place.
Describe the image, or leave the box empty to go on without ALT text:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageMapBuilder</name>
    <message>
        <source>Picture Files (*.BMP;*.GIF;*.JPG)|*.BMP;*.GIF;*.JPG| Bitmap Files (*.BMP)|*.BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Map Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Web Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More menu items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open picture file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageMapView</name>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll image across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll image up and down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InlineStyleDialog</name>
    <message>
        <source>Inline Style Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Font Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identification Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Position </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z-Index</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KindIcons</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkBoxBuilder</name>
    <message>
        <source>Listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkBox Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkCheckWindow</name>
    <message>
        <source>Check Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the links of the pages in %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) checked: no broken links.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) checked, </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n broken link(s). Double-click one to open its page.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates Links to Other Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Named Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a named reference which can be linked to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a link to an E-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool-Tip Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListBuilder</name>
    <message>
        <source>Term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The List Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListGrid</name>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListboxBuilder</name>
    <message>
        <source>Text Displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Multiple Selections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listbox Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Pa&amp;ne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color coding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new HTML document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an existing HTML or TXT file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the HTML file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the HTML document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previews the HTML document in external browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smartcolor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color-Codes  HTML Syntax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color codes the HTML code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrel PIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar, phone numbers and favourite addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Data From Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;omplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close &amp;Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to Matching Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select E&amp;lement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fold Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unfold Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfold A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Element With Its Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the HTML of the document (F9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the HTML of the active document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word could not be added to your dictionary.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to print: the document is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document was printed to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for recovery: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists. It has been taken off the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organizer agenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The agenda could not be recovered:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The organizer&apos;s agenda has been recovered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarqueeBuilder</name>
    <message>
        <source>Marquees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Amount (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Delay (Milliseconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size and Placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hspace (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSpace (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBar</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this message (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiReplaceWindow</name>
    <message>
        <source>Multiple File Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace With:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search All Selected Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search all HTML Files In Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case Sensitive Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClassID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ProgID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CodeBase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OBJECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSERT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include CodeBase=</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrganizerWindow</name>
    <message>
        <source>Ostrel Organizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts (Phone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Agenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import into HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an entry to open its address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed. The agenda was printed to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both text boxes must be filled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Windows Application is not installed on your computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrel Organizer (not saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The organizer could not be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The organizer could not be saved:
%1

Close it anyway and lose the changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageCheckPane</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors and warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No errors or warnings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParagraphBuilder</name>
    <message>
        <source>Paragraph Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strike-through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align All Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParametersDialog</name>
    <message>
        <source>Insert Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PremadeScriptsDialog</name>
    <message>
        <source>Premade Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBScript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JavaScript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Date Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Weekday Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Background Color Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linkbox Form &amp;&amp; Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Morning, Afternoon, or Evening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Text Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Name Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Last Modified&quot; Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Platform Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Resolution Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Color-Depth Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Type Script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Refresh Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the preview (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The browser engine&apos;s module is missing: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The browser engine&apos;s module cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The browser engine&apos;s module cannot be loaded: %1 is not the module of this version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview cannot be shown.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PublishSiteDialog</name>
    <message>
        <source>Publish Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will be published</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete from the server the files that are no longer in the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file to upload (%1), %2 unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files to upload (%2), %3 unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To upload, new or changed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchanged since the last publish (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the server, no longer in the folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be read, not sent (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server has the site as it is here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <source> QuickStart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Margin (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aa Bb Cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Background Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hover Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against the background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickStartStyleDialog</name>
    <message>
        <source>QuickStart: With Style Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Margin Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Background Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of HTML Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Font for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hover Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Text against the background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against the background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RandomBackgroundDialog</name>
    <message>
        <source>Random Background Coloring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a color to change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RandomTextDialog</name>
    <message>
        <source>Random Text Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryWindow</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel ended without saving these documents. Their text was kept. Recover opens a document with that text, not yet saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n character(s), never saved</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 line(s) added, %2 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the file on disk has changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been changed or removed on disk since this text was kept. Compare before you recover it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovered text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptDialog</name>
    <message>
        <source>Insert Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VB Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JavaScript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchesDialog</name>
    <message>
        <source>Insert Internet Searches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Service</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser/Editor Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customizations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defines the Custom Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Coding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Color Coding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purge Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh the preview while typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executable Files (*.EXE)|*.EXE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Restart Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against the editor background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark misspelt words while typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling &amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write end tags while typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case of tags written for you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen the &amp;last session&apos;s files at start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 cannot be read: %2
Default settings are used, and the file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: %2.
%3Default settings are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy was kept as %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, so it is not written over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SideBar</name>
    <message>
        <source>Palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Lists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SitePane</name>
    <message>
        <source>Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 (port %2) is not known yet. Its %3 host key has the fingerprint

%4

Accept it only if it is the one the server&apos;s owner gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept &amp;once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept and &amp;remember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder inside the web-site folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leave Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document changed after the list of changes was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The links of these pages were not updated:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SitePublisher</name>
    <message>
        <source>The FTP address is not one this program can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of published files %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site is published.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file deleted from the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files deleted from the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server offers no encryption: the password and the files went over the network unencrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish Site again to send the rest.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpecialEffectsDialog</name>
    <message>
        <source>Cool Stuff!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Text (IE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sloped Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Divider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates 3-Dimensional Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Wavy-like Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Colorful Gradients (No ActiveX or Java Required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a line of text with gradient coloring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Displayed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height (In Pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellHighlighter</name>
    <message>
        <source>(No Suggestions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellingDialog</name>
    <message>
        <source>Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Not in Dictionary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su&amp;ggestions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spelling dictionary is installed for this page&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spelling check is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word could not be added to your dictionary.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source> up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Lorimel 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Authoring System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Is Internet Explorer 4.0 or higher installed on your system?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Important</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableBuilder</name>
    <message>
        <source>Image Files (*.GIF;*.JPG;*.BMP)|*.GIF;*.JPG;*.BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Table Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retain Info On Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent Cell Backgrounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Padding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Vertical Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell text against its background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThumbnailBrowser</name>
    <message>
        <source>Thumbnail Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pictures to show: the web-site folder %1 holds no .bmp, .gif or .jpg file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipsWindow</name>
    <message>
        <source>Did You Know?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did You Know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show me at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create A New Webpage Using Quickstart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create A New Webpage Using Quickstart with &amp;Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open an Existing Webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These three start your first page, so they work when Lorimel starts. Now use File &gt; New or File &gt; Open, or Tools &gt; N - Z &gt; Quickstart.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VrmlBuilder</name>
    <message>
        <source>VRML 2.0 Files(*.wrl)|*.wrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRML Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spheres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRML Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRML Sitemap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WritingAids</name>
    <message>
        <source>Completions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or Tab writes the chosen entry, Escape closes the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obsolete in HTML 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, obsolete in HTML 5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>browser</name>
    <message>
        <source>This desktop has no default web browser either. Choose one in View &gt; Settings, &quot;Browser/Editor Settings&quot;, &quot;HTML Browser&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>effectslogic</name>
    <message>
        <source>All Textboxes must be filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All textboxes must be filled with a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest Font and Largest Font must be whole numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps must be a whole number other than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps cannot be more than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red, Green and Blue cannot be below 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>elementedit</name>
    <message>
        <source>Edit Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no element a builder writes at the caret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 element at the caret cannot be read: a tag is not closed, or its end tag is missing. The builder opens empty and the element stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 element at the caret has a form its builder does not write. The builder opens empty and the element stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>elementedit::Session</name>
    <message>
        <source>The element changed while its builder was open. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>filecommands</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to show!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview file %1 cannot be written.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>formkit</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>framebuilderlogic</name>
    <message>
        <source>Height:  In Pixels Or Percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:  In Pixels or Percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:  In Pixels Or Percents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ftp</name>
    <message>
        <source>The server refused the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server answers at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server name %1 is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 stopped answering (time-out).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost during the transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder on the server does not exist or may not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An encrypted connection to %1 could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server offers no encryption: the password and the file went over the network unencrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The partial file %1 could not be removed from the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host key of %1 has changed since it was remembered in %2. Someone may be posing as the server; nothing was sent. If the server&apos;s key really changed, remove its old line from that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host key of %1 (%2) was not accepted; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer library cannot start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot be stored on a server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>generatorkit</name>
    <message>
        <source> pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>struck through</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>helpcommands</name>
    <message>
        <source>The preview file %1 cannot be written.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>htmlvalues</name>
    <message>
        <source>Type a whole number, such as 10, or leave the box empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a whole number, such as 10 or -10, or leave the box empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a number of pixels, such as 200, or a percentage, such as 50%, or leave the box empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a number, such as 1.5, or leave the box empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a number, such as 1.5 or -1.5, or leave the box empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type how many times, such as 3, or INFINITE, or leave the box empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a word of letters only, such as SRC.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>importcommands</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2
What could be read was imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>importconvert</name>
    <message>
        <source>This looks like a binary file, not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a rich-text file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>importer</name>
    <message>
        <source>Only text files (.txt) and rich-text files (.rtf) can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keytable</name>
    <message>
        <source>Show this manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &gt; Complete: list the tags, attributes, values or characters that fit at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &gt; Edit Element With Its Builder: open the builder of the element at the caret, filled from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &gt; Close Element: write the end tag of the element open at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &gt; Go to Matching Tag: jump between a start tag and its end tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &gt; Select Element: select the element around the caret; again for the one around it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &gt; Fold Element: fold the element at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &gt; Unfold Element: unfold the element at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &gt; Fold All: fold every element and comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &gt; Unfold All: unfold everything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools &gt; Spelling: go through the misspelt words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools &gt; Check Page: check the document&apos;s HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the keyboard focus to the next pane (document, side bar, website manager, bars)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the keyboard focus to the previous pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>launcher</name>
    <message>
        <source>No calculator is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No character map is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clipboard viewer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No desktop search tool is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No media player is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looked for: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install one with your desktop&apos;s software manager, or in a terminal:
sudo apt install %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>linkcheck</name>
    <message>
        <source>Missing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing style sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No anchor named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter case differs from the file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leads out of the site folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>linkrewrite</name>
    <message numerus="yes">
        <source>%n link(s) lead to what moves. </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Update them in these pages?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3 → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left alone (they name a BASE address): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page changed after the list of changes was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page would not be written back as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new links cannot be written in the page&apos;s encoding.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>listbuilder</name>
    <message>
        <source>Large Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Roman Numerals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Roman Numerals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnOrdered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Itemized List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using Selected Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Colors Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Lorimel 3.0 - HTML Authoring System: write HTML source with builders, SmartColor syntax colouring and a live preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit as soon as start-up has finished (for timing start-up).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After start-up, save a picture of the screen to &lt;png&gt; and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the icon theme&apos;s pictures into &lt;folder&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An HTML or text file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>menutree</name>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Multi-File Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Anchor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frame Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &amp;Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image, Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Java Applet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marquee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Object Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paragraph Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quickstart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Script Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;VRML Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Text to New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Text To Current Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Table Into Current Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UpperCase All Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LowerCase All Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paragraph &lt;P&gt;&lt;/P&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line Break &lt;BR&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule &lt;HR&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Center &lt;CENTER&gt;&lt;/CENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bold Text &lt;B&gt;&lt;/B&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italized &lt;I&gt;&lt;/I&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline &lt;U&gt;&lt;/U&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;1 &lt;H1&gt;&lt;/H1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;2 &lt;H2&gt;&lt;/H2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;3 &lt;H3&gt;&lt;/H3&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;4 &lt;H4&gt;&lt;/H4&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;5 &lt;H5&gt;&lt;/H5&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;6 &lt;H6&gt;&lt;/H6&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directory List &lt;DIR&gt;&lt;/DIR&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Itemized List &lt;MENU&gt;&lt;/MENU&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ordered List &lt;OL&gt;&lt;/OL&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unordered List &lt;UL&gt;&lt;/UL&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List Item &lt;LI&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition List &lt;DL&gt;&lt;/DL&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defintion List Term &lt;DT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition List Definition &lt;DD&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Main Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom &amp;Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Side Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Website Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settin&amp;gs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MS Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character &amp;Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard &amp;Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W3C &amp;HTML Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Did you know?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Text &lt;CENTER&gt;&lt;/CENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph Tag &lt;P&gt;&lt;/P&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic Text &lt;I&gt;&lt;/I&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Strikethru Text &lt;STRIKE&gt;&lt;/STRIKE&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline Text &lt;U&gt;&lt;/U&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create a Link To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ublish Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fl&amp;oating Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Wi&amp;zard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form I&amp;nput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Lis&amp;tbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Ma&amp;p Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline &amp;Style Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;rameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;emade Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quickstart &amp;With Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search E&amp;ngines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spe&amp;cial Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A - M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;N - Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Links</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>multireplace</name>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot hold the new text in its encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link to a file outside the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was deleted during the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were left as they were:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>objecttaglogic</name>
    <message>
        <source>No controls registered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>organizer</name>
    <message>
        <source>gives the number of %1 as &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gives no number of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The organizer&apos;s file %1 but holds %2. Every one it holds is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palette</name>
    <message>
        <source>Anchors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create hyperlinks or named references</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sound files for background sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a window containing another page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose from 6 frame formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define text color, font, size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create the opening and closing tags of a form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create buttons, checkboxes, and other form elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Listbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a form listbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an image, movie, or VRML world into your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an image, movie, or VRML movie into your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Map Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create context sensitive images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Style Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stylize different parts of your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Applet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a list into your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a list using 1 of 5 formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marquee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a line of moving text (IE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a line of scrolling text (IE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a paragraph in a word processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a paragraph in a word processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premade Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quickstart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define the documents attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickStart with Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define the documents attributes using a style sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Engines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert searches for Altavista, Excite, and Yahoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create HTML derived graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create HTML Derived graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a table for your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a for your document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRML Builder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Virtual Reality Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Coding Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools which don&apos;t require HTML entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserts Special Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various Font Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools which aid the creation of forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Builder, and Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics and Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images, Animation, Marquees, and Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Editor and Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Table Wizard and Various Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert VBScripts, and Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style Editor and Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickColor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get the hexadecimal value for any color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserts an HTML tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserts An HTML Attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JavaScript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserts the current time and/or date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserts Faces Into Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses your own tags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paragraphbuilderlogic</name>
    <message>
        <source>Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel does not write into its own program folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>site</name>
    <message>
        <source>The website directory already holds a file named %1.
Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Copied!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Copy File!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Document Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not A Web Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sysreport</name>
    <message>
        <source> Megabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Since Boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>textfile</name>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read without waiting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This looks like a binary file, not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed while it was being read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tips</name>
    <message>
        <source>The Table Builder supports WYSIWYG cell sizing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several pre-made VBScripts are available to help enhance your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML generated graphics are available through &quot;Special Effects&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use the Image Map Editor to create context sensitive images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel 3.0 supports both header and inline Style Sheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel 3.0 can convert both text files and table files to HTML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorimel 3.0 supports ActiveX controls and Java Applets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Frame Builder supports 6 layouts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRML Site maps can be generated with the VRML Builder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Visual Filters are supported through the Image tool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Explorer 4.0 or higher is used as the main preview window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
