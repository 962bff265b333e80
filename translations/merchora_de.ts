<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Merchora</source>
        <translation>Merchora</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Follow us:</source>
        <translation>Folgen:</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Merchora (Lite) is provided &quot;as is&quot;, without warranty of any kind, express or implied. The makers of this software are not liable for any damages, lost data or lost takings arising from its use or from being unable to use it. Please keep regular backups of your inventory and sales databases.</source>
        <translation>Merchora (Lite) wird „wie besehen“ und ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art bereitgestellt. Die Hersteller dieser Software haften nicht für Schäden, Datenverluste oder entgangene Einnahmen, die aus ihrer Nutzung oder der Unmöglichkeit ihrer Nutzung entstehen. Bitte erstellen Sie regelmäßig Sicherungen Ihrer Lager- und Verkaufsdatenbanken.</translation>
    </message>
    <message>
        <source>Third Party</source>
        <translation>Drittanbieter</translation>
    </message>
    <message>
        <source>Check Version</source>
        <translation>Version prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This software makes use of Qt libraries under LGPL license. Copy of Qt LGPL license is provided with the installation.</source>
        <translation>Diese Software verwendet Qt-Bibliotheken unter der LGPL-Lizenz. Eine Kopie der Qt-LGPL-Lizenz liegt der Installation bei.</translation>
    </message>
</context>
<context>
    <name>AddEditProductDialog</name>
    <message>
        <source>Edit Product</source>
        <translation>Artikel bearbeiten</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Auto Generate</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Code/Bar Code *</source>
        <translation>Artikelnr./Barcode *</translation>
    </message>
    <message>
        <source>Enter alphanumeric product code</source>
        <translation>Geben Sie eine alphanumerische Artikelnummer ein</translation>
    </message>
    <message>
        <source>Name *</source>
        <translation>Name *</translation>
    </message>
    <message>
        <source>Category *</source>
        <translation>Kategorie *</translation>
    </message>
    <message>
        <source>Items Per Unit *</source>
        <translation>Stück pro Einheit *</translation>
    </message>
    <message>
        <source>What is this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tax Rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigener</translation>
    </message>
    <message>
        <source>Select Image...</source>
        <translation>Bild laden...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Product with code ( %1 ) updated successfull</source>
        <translation>Artikel mit der Artikelnummer (%1) erfolgreich aktualisiert</translation>
    </message>
    <message>
        <source>System Error: Can not update the product data</source>
        <translation>Systemfehler: Die Artikeldaten können nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Product with code ( %1 ) added successfully to catalogue</source>
        <translation>Artikel mit der Artikelnummer (%1) erfolgreich ins Sortiment aufgenommen</translation>
    </message>
    <message>
        <source>System Error: Can not add product with code ( %1 ) to catalogue</source>
        <translation>Systemfehler: Der Artikel mit der Artikelnummer (%1) kann nicht ins Sortiment aufgenommen werden</translation>
    </message>
    <message>
        <source>Select Product Image</source>
        <translation>Artikelbild auswählen</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Bilddateien (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Items Per Unit Help</source>
        <translation>Hilfe zu Stück pro Einheit</translation>
    </message>
    <message>
        <source>This information is for pricing calculation of the sub items. In most cases this value would be 1. Products such as mobile phones have no sub items, and would be sold as whole item. If the product contains sub items, and you want to sell those sub items as individual items, enter that amount in this box. For example, if the product is a pack of six bottles, and you want to sell one bottle each, then enter 6 here in this box.  Another example would be a product of 1Kg of sugar, and you want to sell in grams. Then you would enter 1000 in this box.</source>
        <translation>Diese Angabe dient zur Preisberechnung der Teilmengen. Meistens ist der Wert 1. Artikel wie Mobiltelefone haben keine Teilmengen und werden nur als Ganzes verkauft. Enthält der Artikel Teilmengen, die Sie einzeln verkaufen möchten, geben Sie deren Anzahl in dieses Feld ein. Beispiel: Der Artikel ist ein Sechserpack Flaschen und Sie möchten die Flaschen einzeln verkaufen – dann geben Sie hier 6 ein. Ein weiteres Beispiel: Der Artikel ist 1 kg Zucker und Sie möchten ihn grammweise verkaufen – dann geben Sie in dieses Feld 1000 ein.</translation>
    </message>
    <message>
        <source>Product Code ( %1 ) is invalid. Please enter valid Product Code</source>
        <translation>Die Artikelnummer (%1) ist ungültig. Bitte geben Sie eine gültige Artikelnummer ein</translation>
    </message>
    <message>
        <source>Error: Product Name ( %1 ) Please enter valid product name</source>
        <translation>Fehler: Artikelname (%1) Bitte geben Sie einen gültigen Artikelnamen ein</translation>
    </message>
    <message>
        <source>Error: Please enter valid Items Per Unit value</source>
        <translation>Fehler: Bitte geben Sie einen gültigen Wert für Stück pro Einheit ein</translation>
    </message>
    <message>
        <source>Error: Items Per Unit value can not be &apos;0&apos;. Minimum value could be &apos;1&apos;.</source>
        <translation>Fehler: Der Wert für Stück pro Einheit darf nicht &apos;0&apos; sein. Der Mindestwert ist &apos;1&apos;.</translation>
    </message>
    <message>
        <source>Error: Items Per Unit value can not be more than %1.</source>
        <translation>Fehler: Der Wert für Stück pro Einheit darf höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>Tax rate is invalid. Please enter numeric (0 to 99.99) value.</source>
        <translation>Der Steuersatz ist ungültig. Bitte geben Sie eine Zahl von 0 bis 99.99 ein (mit Punkt als Dezimaltrennzeichen).</translation>
    </message>
    <message>
        <source>Error: Please select a product category</source>
        <translation>Fehler: Bitte wählen Sie eine Artikelkategorie aus</translation>
    </message>
</context>
<context>
    <name>AddEditPurchaseOrder</name>
    <message>
        <source>Add/Edit Purchase Order</source>
        <translation>Bestellung hinzufügen/bearbeiten</translation>
    </message>
    <message>
        <source>Purchase Order</source>
        <translation>Bestellung</translation>
    </message>
    <message>
        <source>PO Number</source>
        <translation>Bestellnr.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Select according to the status of purchase order. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wählen Sie den aktuellen Status der Bestellung. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <source>Vendors...</source>
        <translation>Lieferanten...</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Sent Date</source>
        <translation>Versanddatum</translation>
    </message>
    <message>
        <source>Delivery Date</source>
        <translation>Lieferdatum</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;This data will be exported to inventory when the purchase order status is set to RECEIVED.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Diese Daten werden ins Lager exportiert, sobald der Status der Bestellung auf RECEIVED gesetzt wird.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Purchase Data</source>
        <translation>Einkaufsdaten</translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Enter product code and press enter&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Geben Sie die Artikelnummer ein und drücken Sie die Eingabetaste&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Einkaufspreis</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Line Total</source>
        <translation>Gesamtpreis</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Search Item</source>
        <translation>Artikel suchen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Inventory Data</source>
        <translation>Lagerdaten</translation>
    </message>
    <message>
        <source>Please complete this section on receiving purchase order and before exporting data to inventory</source>
        <translation>Bitte füllen Sie diesen Abschnitt bei Erhalt der Bestellung und vor dem Export der Daten ins Lager aus</translation>
    </message>
    <message>
        <source>Sale Price</source>
        <translation>Verkaufspreis</translation>
    </message>
    <message>
        <source>Tax Rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>Expiry</source>
        <translation>Verfallsdatum</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Select the item from pruchase order items. After modifying the data, press this button to update the data&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wählen Sie den Artikel in den Bestellpositionen aus. Klicken Sie nach dem Ändern der Daten auf diese Schaltfläche, um die Daten zu aktualisieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation>Artikel aktualisieren</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Selected Purchase Order Items</source>
        <translation>Ausgewählte Bestellpositionen</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Zwischensumme</translation>
    </message>
    <message>
        <source>Sales Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>YOUR COMPANY NAME - CUSTOMIZE IN SETTINGS</source>
        <translation>IHR FIRMENNAME - IN DEN EINSTELLUNGEN ANPASSEN</translation>
    </message>
    <message>
        <source>YOUR COPMANY ADDRESS - CUSTOMIZE IN SETTINGS</source>
        <translation>IHRE FIRMENADRESSE - IN DEN EINSTELLUNGEN ANPASSEN</translation>
    </message>
    <message>
        <source>CONTACT: CUSTOMIZE IN SETTINGS</source>
        <translation>KONTAKT: IN DEN EINSTELLUNGEN ANPASSEN</translation>
    </message>
    <message>
        <source>Error occurred while saving purchase order.</source>
        <translation>Beim Speichern der Bestellung ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Purchase order saved successfully.</source>
        <translation>Die Bestellung wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Please enter valid product item code</source>
        <translation>Bitte geben Sie eine gültige Artikelnummer ein</translation>
    </message>
    <message>
        <source>Please enter valid unit price of product item</source>
        <translation>Bitte geben Sie einen gültigen Stückpreis für den Artikel ein</translation>
    </message>
    <message>
        <source>Please enter valid order quantity</source>
        <translation>Bitte geben Sie eine gültige Bestellmenge ein</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Nothing was booked into stock:</source>
        <translation>Es wurde nichts in den Bestand gebucht:</translation>
    </message>
    <message>
        <source>Export to inventory finished successfully</source>
        <translation>Der Export ins Lager wurde erfolgreich abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>%n new stock batch(es) added.</source>
        <translation>
            <numerusform>%n neue Lagercharge hinzugefügt.</numerusform>
            <numerusform>%n neue Lagerchargen hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Barcode ( %1 ) does not exist in the inventory</source>
        <translation>Barcode ( %1 ) ist im Lager nicht vorhanden</translation>
    </message>
    <message>
        <source>Please select vendor for this item</source>
        <translation>Bitte wählen Sie einen Lieferanten für diesen Artikel aus</translation>
    </message>
    <message>
        <source>Error occured while adding purchase item.</source>
        <translation>Beim Hinzufügen der Bestellposition ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error occurred while deleting purchase item.</source>
        <translation>Beim Löschen der Bestellposition ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Do you want to export received items to inventory?</source>
        <translation>Möchten Sie die erhaltenen Artikel ins Lager exportieren?</translation>
    </message>
    <message numerus="yes">
        <source>This adds %n new stock batch(es).</source>
        <translation>
            <numerusform>Dadurch wird %n neue Lagercharge hinzugefügt.</numerusform>
            <numerusform>Dadurch werden %n neue Lagerchargen hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error occured while updating purchase item.</source>
        <translation>Beim Aktualisieren der Bestellposition ist ein Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Backupdialog</name>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Please select destination folder for backup</source>
        <translation>Bitte wählen Sie den Zielordner für die Sicherung aus</translation>
    </message>
    <message>
        <source>Select Folder...</source>
        <translation>Ordner auswählen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Inventory Backup operation completed successfully</source>
        <translation>Die Sicherung der Lagerdaten wurde erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Sales Backup operation completed successfully</source>
        <translation>Die Sicherung der Verkaufsdaten wurde erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Copying file number %2 of %3 </source>
        <translation>Datei %2 von %3 wird kopiert </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Cannot copy &lt;b&gt;%1&lt;/b&gt; &lt;p&gt;to &lt;b&gt;%2&lt;/b&gt;&lt;p&gt;This file will be ignored, just press &lt;b&gt;Yes&lt;/b&gt; button&lt;p&gt;Press &lt;b&gt;YesToAll&lt;/b&gt; button to ignore other warnings automatically...&lt;p&gt;Or press &lt;b&gt;Abort&lt;/b&gt; to cancel backup operation</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; &lt;p&gt;kann nicht nach &lt;b&gt;%2&lt;/b&gt; kopiert werden.&lt;p&gt;Um diese Datei zu überspringen, klicken Sie einfach auf &lt;b&gt;Ja&lt;/b&gt;.&lt;p&gt;Klicken Sie auf &lt;b&gt;Ja, alle&lt;/b&gt;, um weitere Warnungen automatisch zu übergehen...&lt;p&gt;Oder klicken Sie auf &lt;b&gt;Abbrechen&lt;/b&gt;, um die Sicherung abzubrechen</translation>
    </message>
    <message>
        <source>Backup operation was cancelled and did not complete successfully</source>
        <translation>Die Sicherung wurde abgebrochen und nicht erfolgreich abgeschlossen</translation>
    </message>
</context>
<context>
    <name>CAddNewItemsBatch</name>
    <message>
        <source>Edit Inventory</source>
        <translation>Lagerbestand bearbeiten</translation>
    </message>
    <message>
        <source>Product Data</source>
        <translation>Artikeldaten</translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Enter Product Code and hit Enter, or Press &amp;quot;Select Product&amp;quot; button and choose product from the products screen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Geben Sie die Artikelnummer ein und drücken Sie Enter, oder klicken Sie auf &amp;quot;Artikel auswählen&amp;quot; und wählen Sie den Artikel in der Artikelübersicht aus&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Code, then Enter</source>
        <translation>Artikelnummer, dann Enter</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Artikel wählen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Items Per Unit</source>
        <translation>Stück je Einheit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tax Rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Bar Code</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Enter Barcode for this batch of items</source>
        <translation>Geben Sie den Barcode für diese Charge ein</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Use Product Code as Bar Code for Inventory</source>
        <translation>Artikelnummer als Barcode verwenden</translation>
    </message>
    <message>
        <source>Show as POS button on Point of Sale Screen</source>
        <translation>Als Schaltfläche an der Kasse anzeigen</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Chargendaten</translation>
    </message>
    <message>
        <source>Vendor *</source>
        <translation>Lieferant *</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Vendors</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <source>Purchase Price *</source>
        <translation>Einkaufspreis *</translation>
    </message>
    <message>
        <source>Sale Price *</source>
        <translation>Verkaufspreis *</translation>
    </message>
    <message>
        <source>Quantity *</source>
        <translation>Menge *</translation>
    </message>
    <message>
        <source>Sub Items</source>
        <translation>Teilmengen</translation>
    </message>
    <message>
        <source>Expiry Date</source>
        <translation>Verfallsdatum</translation>
    </message>
    <message>
        <source>Batch Number</source>
        <translation>Chargennummer</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>Discount (%)</source>
        <translation>Rabatt (%)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>System error occurred. Could not find product with code ( %1 )</source>
        <translation>Ein Systemfehler ist aufgetreten. Der Artikel mit der Artikelnummer (%1) wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Barcode ( %1 ) is invalid. Please enter valid Barcode (1 to 20 digits)</source>
        <translation>Der Barcode (%1) ist ungültig. Bitte geben Sie einen gültigen Barcode ein (1 bis 20 Ziffern)</translation>
    </message>
    <message>
        <source>Batch information (Barcode: %1) updated successfully</source>
        <translation>Chargendaten (Barcode: %1) erfolgreich aktualisiert</translation>
    </message>
    <message>
        <source>Batch information (Barcode: %1) added successfully</source>
        <translation>Chargendaten (Barcode: %1) erfolgreich hinzugefügt</translation>
    </message>
    <message>
        <source>Barcode already exists in inventory. Please choose some other code.</source>
        <translation>Dieser Barcode ist im Lager bereits vorhanden. Bitte wählen Sie einen anderen Barcode.</translation>
    </message>
    <message>
        <source>Error occurred while adding or updating the batch information.</source>
        <translation>Beim Hinzufügen oder Aktualisieren der Chargendaten ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error: Please select valid expiry date.</source>
        <translation>Fehler: Bitte wählen Sie ein gültiges Verfallsdatum aus.</translation>
    </message>
    <message>
        <source>Error: Please enter numeric value for Quantity.</source>
        <translation>Fehler: Bitte geben Sie für die Menge eine Zahl ein.</translation>
    </message>
    <message>
        <source>Error: Quantity can not be more than %1.</source>
        <translation>Fehler: Die Menge darf höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>Error: Please enter valid value for Sale price.</source>
        <translation>Fehler: Bitte geben Sie einen gültigen Verkaufspreis ein.</translation>
    </message>
    <message>
        <source>Error: Sale price can not be more than %1.</source>
        <translation>Fehler: Der Verkaufspreis darf höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>Error: Please enter valid value for Purchase price.</source>
        <translation>Fehler: Bitte geben Sie einen gültigen Einkaufspreis ein.</translation>
    </message>
    <message>
        <source>Error: Purchase price can not be more than %1.</source>
        <translation>Fehler: Der Einkaufspreis darf höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>Discount is invalid. Please enter numeric value (0 to 99.99).</source>
        <translation>Der Rabatt ist ungültig. Bitte geben Sie eine Zahl von 0 bis 99.99 ein (mit Punkt als Dezimaltrennzeichen).</translation>
    </message>
    <message>
        <source>Please select vendor from existing list or add new vendor.</source>
        <translation>Bitte wählen Sie einen Lieferanten aus der Liste aus oder legen Sie einen neuen Lieferanten an.</translation>
    </message>
    <message>
        <source>Please enter numeric value for sub items.</source>
        <translation>Bitte geben Sie für die Teilmengen eine Zahl ein.</translation>
    </message>
    <message>
        <source>Sub items can not be more than %1.</source>
        <translation>Die Teilmengen dürfen höchstens %1 betragen.</translation>
    </message>
</context>
<context>
    <name>CDBManager</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source> is not a valid database for this version.  Please create a new database, or select a valid database.</source>
        <translation> ist keine gültige Datenbank für diese Version. Bitte legen Sie eine neue Datenbank an oder wählen Sie eine gültige Datenbank aus.</translation>
    </message>
    <message>
        <source> is damaged and can not be used. Please restore it from a backup, or select another database.</source>
        <translation> ist beschädigt und kann nicht verwendet werden. Bitte stellen Sie die Datei aus einer Sicherung wieder her oder wählen Sie eine andere Datenbank aus.</translation>
    </message>
</context>
<context>
    <name>CItemTransactionsModel</name>
    <message>
        <source>  Index  </source>
        <extracomment>column heading of the till&apos;s lines: the position of the line; keep the blanks around it</extracomment>
        <translation>  Nr.  </translation>
    </message>
    <message>
        <source>              Product Name                 </source>
        <extracomment>column heading of the till&apos;s lines; keep the blanks around it</extracomment>
        <translation>              Artikelname                 </translation>
    </message>
    <message>
        <source>     Items     </source>
        <extracomment>column heading of the till&apos;s lines: whole units sold; keep the blanks around it</extracomment>
        <translation>     Menge     </translation>
    </message>
    <message>
        <source>     Sub Items     </source>
        <extracomment>column heading of the till&apos;s lines: loose sub-items sold; keep the blanks around it</extracomment>
        <translation>     Teilmengen     </translation>
    </message>
    <message>
        <source>     Price/Item     </source>
        <extracomment>column heading of the till&apos;s lines: the price of one unit; keep the blanks around it</extracomment>
        <translation>     Preis/Stück     </translation>
    </message>
    <message>
        <source>   Discount     </source>
        <extracomment>column heading of the till&apos;s lines: the discount amount; keep the blanks around it</extracomment>
        <translation>   Rabatt     </translation>
    </message>
    <message>
        <source>  Line Total  </source>
        <extracomment>column heading of the till&apos;s lines; keep the blanks around it</extracomment>
        <translation>  Summe  </translation>
    </message>
    <message>
        <source>PurchasePrice</source>
        <extracomment>column heading of the till&apos;s lines (not shown): the purchase price of a unit</extracomment>
        <translation>Einkaufspreis</translation>
    </message>
    <message>
        <source>PurchaseTotal</source>
        <extracomment>column heading of the till&apos;s lines (not shown): the purchase cost of the line</extracomment>
        <translation>Einkaufssumme</translation>
    </message>
</context>
<context>
    <name>CPOS</name>
    <message>
        <source>Point of Sale</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Item Entry</source>
        <translation>Artikeleingabe</translation>
    </message>
    <message>
        <source>Bar Code</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Barcode generated from the scanner will be pasted here. You can enter barcode manually and press F10, press Enter button on your keyboard, or press Enter button at the lower right corner.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Barcode des Scanners wird hier eingefügt. Sie können den Barcode auch von Hand eingeben und dann F10, die Enter-Taste Ihrer Tastatur oder die Schaltfläche EINGABE unten rechts drücken.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Scan or type a barcode</source>
        <translation>Barcode scannen oder eingeben</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Sub Quantity</source>
        <translation>Teilmenge</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Click here to enable or disable. Once this checkbox is selected, it will overwrite the discount value set at the inventory level, and the value in this box will be used for the purpose of discount calculations.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Klicken Sie hier zum Ein- oder Ausschalten. Ist dieses Kontrollkästchen aktiviert, ersetzt der Wert in diesem Feld den im Lager hinterlegten Rabatt und wird für die Rabattberechnung verwendet.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Special discount</source>
        <translation>Sonderrabatt</translation>
    </message>
    <message>
        <source>On All Items</source>
        <translation>Auf alle</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;It will display all the buttons belongig to all categories&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zeigt die Schaltflächen aller Kategorien an&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Select product categories. This will filter the buttons according to selected category.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wählen Sie eine Artikelkategorie. Die Schaltflächen werden dann nach der gewählten Kategorie gefiltert.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;This will close Point of Sale and return to main application&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Schließt die Kasse und kehrt zum Hauptprogramm zurück&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>[F1]</source>
        <translation>[F1]</translation>
    </message>
    <message>
        <source>SHORTCUT
 KEYS</source>
        <translation>TASTEN-
 KÜRZEL</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>[F2]</source>
        <translation>[F2]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button or F2 to start a new sale.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder F2, um einen neuen Verkauf zu beginnen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>[Shift+F2]</source>
        <translation>[Shift+F2]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button or Shift+F2 to hold the unpaid sale and start a new one. Its stock stays taken; RECALL brings it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder Shift+F2, um den unbezahlten Verkauf zu parken und einen neuen zu beginnen. Seine Artikel bleiben vom Bestand abgebucht; ABRUFEN holt ihn zurück.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>PARKEN</translation>
    </message>
    <message>
        <source>[Shift+F3]</source>
        <translation>[Shift+F3]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button or Shift+F3 to list the held sales and bring one back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder Shift+F3, um die geparkten Verkäufe anzuzeigen und einen davon fortzusetzen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RECALL</source>
        <translation>ABRUFEN</translation>
    </message>
    <message>
        <source>[F3]</source>
        <translation>[F3]</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>[F4]</source>
        <translation>[F4]</translation>
    </message>
    <message>
        <source>PREVIEW</source>
        <translation>VORSCHAU</translation>
    </message>
    <message>
        <source>[F5]</source>
        <translation>[F5]</translation>
    </message>
    <message>
        <source>PAY</source>
        <translation>BEZAHLEN</translation>
    </message>
    <message>
        <source>[F6]</source>
        <translation>[F6]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button or F6 to return items back to inventory. Press again to return to normal mode.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder F6, um Artikel in den Bestand zurückzunehmen. Drücken Sie sie erneut, um in den normalen Modus zurückzukehren.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>RÜCKGABE</translation>
    </message>
    <message>
        <source>[Shift+F6]</source>
        <translation>[Shift+F6]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Select a line and press this button, Shift+F6 or Delete to void it: it leaves the sale and its stock goes back to the inventory. Without a selection the last line is offered.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wählen Sie eine Position aus und drücken Sie diese Schaltfläche, Shift+F6 oder Delete, um sie zu stornieren: Sie wird aus dem Verkauf entfernt und ihr Bestand wird ins Lager zurückgebucht. Ohne Auswahl wird die letzte Position angeboten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>VOID</source>
        <translation>STORNO</translation>
    </message>
    <message>
        <source>[F7]</source>
        <translation>[F7]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button or F7 to search for products and barcodes, and select the desired product&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder F7, um nach Artikeln und Barcodes zu suchen und den gewünschten Artikel auszuwählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>SEARCH</source>
        <translation>SUCHEN</translation>
    </message>
    <message>
        <source>[F8]</source>
        <translation>[F8]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button or F8 to view the sales&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder F8, um die Verkäufe anzuzeigen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>SALES</source>
        <translation>VERKÄUFE</translation>
    </message>
    <message>
        <source>[F9]</source>
        <translation>[F9]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press this button of F9 to select customer. Press again to remove selection.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie diese Schaltfläche oder F9, um einen Kunden auszuwählen. Drücken Sie sie erneut, um die Auswahl aufzuheben.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>CUSTOMERS</source>
        <translation>KUNDEN</translation>
    </message>
    <message>
        <source>[F10]</source>
        <translation>[F10]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;After entering barcode, press this button or F10 to execute sales transaction.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drücken Sie nach der Eingabe des Barcodes diese Schaltfläche oder F10, um den Artikel in den Verkauf zu übernehmen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>EINGABE</translation>
    </message>
    <message>
        <source>TOTAL %1</source>
        <extracomment>caption of the sale&apos;s total; %1 is the currency symbol</extracomment>
        <translation>SUMME %1</translation>
    </message>
    <message>
        <source>PAID %1</source>
        <extracomment>caption of the amount paid; %1 is the currency symbol</extracomment>
        <translation>GEGEBEN %1</translation>
    </message>
    <message>
        <source>CHANGE %1</source>
        <extracomment>caption of the money given back; %1 is the currency symbol</extracomment>
        <translation>RÜCKGELD %1</translation>
    </message>
    <message>
        <source>Could not retrieve data from inventory</source>
        <translation>Die Lagerdaten konnten nicht abgerufen werden</translation>
    </message>
    <message>
        <source>No results found in inventory</source>
        <translation>Keine Treffer im Lager gefunden</translation>
    </message>
    <message>
        <source>This item&apos;s price is not valid. Please correct the stock batch.</source>
        <translation>Der Preis dieses Artikels ist ungültig. Bitte korrigieren Sie die Lagercharge.</translation>
    </message>
    <message>
        <source>Sales database not available: item not added.</source>
        <translation>Verkaufsdatenbank nicht verfügbar: Artikel nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Stock could not be updated: item not added.</source>
        <translation>Bestand konnte nicht aktualisiert werden: Artikel nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Payment is pending!</source>
        <translation>Die Zahlung steht noch aus!</translation>
    </message>
    <message>
        <source>Unpaid Sale</source>
        <translation>Unbezahlter Verkauf</translation>
    </message>
    <message>
        <source>A sale was left unpaid: %1, total %2, started %3.</source>
        <translation>Ein Verkauf ist noch nicht bezahlt: %1, Summe %2, begonnen am %3.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 Position</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Positionen</translation>
    </message>
    <message>
        <source>Resume it to take the payment, or void it to give its stock back to the inventory.</source>
        <translation>Setzen Sie ihn fort, um die Zahlung anzunehmen, oder stornieren Sie ihn, um seinen Bestand ins Lager zurückzubuchen.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>button: go on with the unpaid sale</extracomment>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Void</source>
        <extracomment>button: cancel the unpaid sale and give its stock back</extracomment>
        <translation>Stornieren</translation>
    </message>
    <message>
        <source>There is no unpaid line to void.</source>
        <translation>Es gibt keine unbezahlte Position zum Stornieren.</translation>
    </message>
    <message>
        <source>Void line %1: %2, %3 x %4, line total %5? Its stock is put back.</source>
        <translation>Position %1 stornieren: %2, %3 x %4, Summe %5? Der Bestand wird zurückgebucht.</translation>
    </message>
    <message>
        <source>Void Line</source>
        <translation>Position stornieren</translation>
    </message>
    <message>
        <source>There is no unpaid sale to hold.</source>
        <translation>Es gibt keinen unbezahlten Verkauf zum Parken.</translation>
    </message>
    <message>
        <source>The sale could not be held.</source>
        <translation>Der Verkauf konnte nicht geparkt werden.</translation>
    </message>
    <message>
        <source>There is no held sale to recall.</source>
        <translation>Es gibt keinen geparkten Verkauf zum Abrufen.</translation>
    </message>
    <message>
        <source>The held sale could not be recalled.</source>
        <translation>Der geparkte Verkauf konnte nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Error occurred while logging invoice information</source>
        <translation>Fehler beim Speichern der Rechnungsdaten</translation>
    </message>
    <message>
        <source>Error occurred while logging payment information</source>
        <translation>Fehler beim Speichern der Zahlungsdaten</translation>
    </message>
    <message>
        <source>Close POS?</source>
        <translation>Kasse schließen?</translation>
    </message>
    <message>
        <source>Payment is pending! If you close without payment, sales and inventory will not be in consistent state. Do you still want to close POS?</source>
        <translation>Die Zahlung steht noch aus! Wenn Sie ohne Zahlung schließen, sind Verkäufe und Bestand nicht in einem stimmigen Zustand. Möchten Sie die Kasse trotzdem schließen?</translation>
    </message>
    <message>
        <source>Yes, keep it for later</source>
        <translation>Ja, für später aufheben</translation>
    </message>
    <message>
        <source>The unpaid sale keeps its stock and is offered again when the till opens.</source>
        <translation>Der unbezahlte Verkauf behält seinen Bestand und wird beim nächsten Öffnen der Kasse wieder angeboten.</translation>
    </message>
    <message>
        <source>Return Mode</source>
        <translation>Rückgabemodus</translation>
    </message>
    <message>
        <source>Now the system is in &quot;Items Return&quot; mode. On performing any sale, items will be added back to inventory. Please press it again to return to Normal mode. </source>
        <translation>Das System ist jetzt im Modus „Artikelrückgabe“. Bei jedem Verkauf werden die Artikel wieder dem Bestand hinzugefügt. Drücken Sie die Schaltfläche erneut, um in den normalen Modus zurückzukehren. </translation>
    </message>
    <message>
        <source>Discount on All Items</source>
        <translation>Rabatt auf alle Artikel</translation>
    </message>
    <message>
        <source>Please make sure the check box is checked. Specail discount will be calculated on all items being sold. If there is any discount already set on the inventory, that will be overwritten by this value. Please press it again to disable this function.</source>
        <translation>Bitte achten Sie darauf, dass das Kontrollkästchen aktiviert ist. Der Sonderrabatt wird auf alle verkauften Artikel berechnet. Ein bereits im Lager hinterlegter Rabatt wird durch diesen Wert ersetzt. Drücken Sie die Schaltfläche erneut, um diese Funktion auszuschalten.</translation>
    </message>
    <message>
        <source>Select Customer</source>
        <translation>Kunde auswählen</translation>
    </message>
    <message>
        <source>Customer has been selected. Customer data will be printed on the large sales receipt and stored in database. Please press this button again to select another customer or deselect existing customer. Existing customer can be deselected by pressing Customers buttons, and then closing the Customers Dialog without selecting any customer.</source>
        <translation>Der Kunde wurde ausgewählt. Die Kundendaten werden auf den großen Verkaufsbeleg gedruckt und in der Datenbank gespeichert. Drücken Sie diese Schaltfläche erneut, um einen anderen Kunden auszuwählen oder die Auswahl aufzuheben. Die Auswahl heben Sie auf, indem Sie die Schaltfläche KUNDEN drücken und das Kundenfenster schließen, ohne einen Kunden auszuwählen.</translation>
    </message>
    <message>
        <source>HELP TIP: Please hover mouse over different items, after few seconds tooltips will appear.

Various keys on your keyboard are assigned to different functions on this screen. These are called shortcut keys.

F1     -&gt;   Help on point of sale screen.
F2     -&gt;   Reset all and start new sale.
F3     -&gt;   Print receipt.
F4     -&gt;   Show print preview of receipt.
F5     -&gt;   Shortcut to Pay button. After entering amount in PAID box, press this button.
F6     -&gt;   Shortcut to Return button. Press this to return items back to inventory.
F7     -&gt;   Shortcut to Search button. Press this to search for products and inventory levels.
F8     -&gt;   Shortcut to Sales button. Press this for viewing and searching sales.
F9     -&gt;   Shortcut to Customers button. Press this for selecting and editing customer.
F10    -&gt;   Shortcut to Enter button. Press this after entering barcode.
F11    -&gt;   Shortcut to Show All button.
F12    -&gt;   Set focus directly to PAID box for entering amount.
Shift+F2  -&gt;   Hold button. Keeps the unpaid sale for later and starts a new one.
Shift+F3  -&gt;   Recall button. Brings a held sale back.
Shift+F6  -&gt;   Void button (or Delete). Removes the selected line, or the last one, and puts its stock back.
PgUp  -&gt;   Shortcut to Next button.
PgDn  -&gt;   Shortcut to Previous button.</source>
        <translation>HILFE-TIPP: Bewegen Sie die Maus über die einzelnen Elemente, nach einigen Sekunden erscheinen Hinweise.

Verschiedene Tasten Ihrer Tastatur sind auf diesem Bildschirm mit Funktionen belegt. Diese nennt man Tastenkürzel.

F1     -&gt;   Hilfe zum Kassenbildschirm.
F2     -&gt;   Alles zurücksetzen und neuen Verkauf beginnen.
F3     -&gt;   Beleg drucken.
F4     -&gt;   Druckvorschau des Belegs anzeigen.
F5     -&gt;   Kürzel für die Schaltfläche BEZAHLEN. Nach Eingabe des Betrags im Feld GEGEBEN diese Taste drücken.
F6     -&gt;   Kürzel für die Schaltfläche RÜCKGABE. Damit nehmen Sie Artikel in den Bestand zurück.
F7     -&gt;   Kürzel für die Schaltfläche SUCHEN. Damit suchen Sie nach Artikeln und Lagerbeständen.
F8     -&gt;   Kürzel für die Schaltfläche VERKÄUFE. Damit zeigen Sie Verkäufe an und durchsuchen sie.
F9     -&gt;   Kürzel für die Schaltfläche KUNDEN. Damit wählen und bearbeiten Sie Kunden.
F10    -&gt;   Kürzel für die Schaltfläche EINGABE. Nach Eingabe des Barcodes drücken.
F11    -&gt;   Kürzel für die Schaltfläche „Alle anzeigen“.
F12    -&gt;   Setzt den Cursor direkt in das Feld GEGEBEN, um den Betrag einzugeben.
Shift+F2  -&gt;   Schaltfläche PARKEN. Parkt den unbezahlten Verkauf für später und beginnt einen neuen.
Shift+F3  -&gt;   Schaltfläche ABRUFEN. Holt einen geparkten Verkauf zurück.
Shift+F6  -&gt;   Schaltfläche STORNO (oder Delete). Entfernt die ausgewählte oder die letzte Position und bucht ihren Bestand zurück.
PgUp  -&gt;   Kürzel für die Schaltfläche Weiter.
PgDn  -&gt;   Kürzel für die Schaltfläche Zurück.</translation>
    </message>
    <message>
        <source>Shortcut Keys Help</source>
        <translation>Hilfe zu Tastenkürzeln</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>Please change Receipt/Ticket Printer settings from Settings dialog. Currently it is configured to print to PDF file. Please make sure Adobe Reader is installed, which is required to view the PDF receipt.</source>
        <translation>Bitte ändern Sie im Dialog „Einstellungen“ den Beleg-/Bondrucker. Derzeit ist das Drucken in eine PDF-Datei eingestellt. Bitte stellen Sie sicher, dass Adobe Reader installiert ist; er wird zum Anzeigen des PDF-Belegs benötigt.</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Verkäufe</translation>
    </message>
    <message>
        <source>The total would not fit the TOTAL box. Please pay this sale first.</source>
        <translation>Die Summe passt nicht mehr in das Feld SUMME. Bitte kassieren Sie diesen Verkauf zuerst.</translation>
    </message>
    <message>
        <source>Barcode is invalid. Please enter numeric bar code.</source>
        <translation>Der Barcode ist ungültig. Bitte geben Sie einen numerischen Barcode ein.</translation>
    </message>
    <message>
        <source>Discount is invalid. Please enter numeric (0 to 99.99) discount value.</source>
        <translation>Der Rabatt ist ungültig. Bitte geben Sie für den Rabatt eine Zahl von 0 bis 99.99 ein (mit Punkt als Dezimaltrennzeichen).</translation>
    </message>
    <message>
        <source>Quantity is invalid. Please enter numeric quantity value.</source>
        <translation>Die Menge ist ungültig. Bitte geben Sie für die Menge eine Zahl ein.</translation>
    </message>
    <message>
        <source>Subitems is invalid. Please enter numeric subitems value.</source>
        <translation>Die Teilmenge ist ungültig. Bitte geben Sie für die Teilmenge eine Zahl ein.</translation>
    </message>
    <message>
        <source>This item has no valid items per unit. Please correct the product.</source>
        <translation>Für diesen Artikel ist keine gültige Angabe für Stück pro Einheit hinterlegt. Bitte korrigieren Sie den Artikel.</translation>
    </message>
    <message>
        <source>This item is out of stock</source>
        <translation>Dieser Artikel ist nicht vorrätig</translation>
    </message>
    <message>
        <source>This item can only be sold as a whole. Subitems should be 0. </source>
        <translation>Dieser Artikel kann nur als Ganzes verkauft werden. Die Teilmenge muss 0 sein. </translation>
    </message>
    <message>
        <source>Rquested quantity is not available. There are (%1) items, and (%2) sub-items in the stock.</source>
        <translation>Die gewünschte Menge ist nicht verfügbar. Im Bestand sind (%1) Stück und (%2) Teilmengen vorhanden.</translation>
    </message>
    <message>
        <source>Paid amount is not valid. Example 50.75</source>
        <translation>Der gegebene Betrag ist ungültig. Beispiel: 50.75 (mit Punkt als Dezimaltrennzeichen)</translation>
    </message>
    <message>
        <source>Paid amount is less than due amount</source>
        <translation>Der gegebene Betrag ist kleiner als der fällige Betrag</translation>
    </message>
    <message>
        <source>Paid amount is too large for the CHANGE box.</source>
        <translation>Der gegebene Betrag ist zu groß für das Feld RÜCKGELD.</translation>
    </message>
    <message>
        <source>Sample Company</source>
        <translation>Musterfirma</translation>
    </message>
    <message>
        <source>Some Address 
32422 Some Street
Some City</source>
        <translation>Musteradresse 
Musterstraße 1
32422 Musterstadt</translation>
    </message>
    <message>
        <source>Phone: 1111111111</source>
        <translation>Telefon: 1111111111</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Shift+F2</source>
        <translation>Shift+F2</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Shift+F6</source>
        <translation>Shift+F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
</context>
<context>
    <name>ColumnHeading</name>
    <message>
        <source>ADDRESS</source>
        <translation>ADRESSE</translation>
    </message>
    <message>
        <source>BAR_CODE</source>
        <translation>BARCODE</translation>
    </message>
    <message>
        <source>BATCH_NUMBER</source>
        <translation>CHARGENNUMMER</translation>
    </message>
    <message>
        <source>CONTACT_NUMBER</source>
        <translation>TELEFON</translation>
    </message>
    <message>
        <source>CUSTOMER_ID</source>
        <translation>KUNDE</translation>
    </message>
    <message>
        <source>DATE</source>
        <extracomment>the day of the sales in a row of a sales report</extracomment>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>Delivery Date</source>
        <extracomment>the delivery date of a purchase order</extracomment>
        <translation>Lieferdatum</translation>
    </message>
    <message>
        <source>DISCOUNT</source>
        <extracomment>an amount of discount</extracomment>
        <translation>RABATT</translation>
    </message>
    <message>
        <source>EMAIL</source>
        <translation>E-MAIL</translation>
    </message>
    <message>
        <source>EXPIRY DATE</source>
        <translation>VERFALLSDATUM</translation>
    </message>
    <message>
        <source>EXPIRY_DATE</source>
        <translation>VERFALLSDATUM</translation>
    </message>
    <message>
        <source>Expiry Date</source>
        <translation>Verfallsdatum</translation>
    </message>
    <message>
        <source>GRAND_TOTAL</source>
        <translation>GESAMTSUMME</translation>
    </message>
    <message>
        <source>ID</source>
        <extracomment>the number of a sale or a purchase order</extracomment>
        <translation>NR.</translation>
    </message>
    <message>
        <source>ITEM_CODE</source>
        <translation>ARTIKELNR.</translation>
    </message>
    <message>
        <source>ITEM_INDEX</source>
        <extracomment>the position of a line in its sale</extracomment>
        <translation>POS.</translation>
    </message>
    <message>
        <source>ITEM_NAME</source>
        <translation>ARTIKELNAME</translation>
    </message>
    <message>
        <source>LINE_TOTAL</source>
        <translation>GESAMTPREIS</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the name of a customer or a vendor</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>NOTES</source>
        <translation>NOTIZEN</translation>
    </message>
    <message>
        <source>PAID</source>
        <extracomment>the amount a customer paid</extracomment>
        <translation>GEGEBEN</translation>
    </message>
    <message>
        <source>PRODUCT</source>
        <translation>ARTIKEL</translation>
    </message>
    <message>
        <source>PRODUCT_NAME</source>
        <translation>ARTIKELNAME</translation>
    </message>
    <message>
        <source>PURCHASE COST</source>
        <translation>EINKAUFSKOSTEN</translation>
    </message>
    <message>
        <source>PURCHASE_PRICE</source>
        <translation>EINKAUFSPREIS</translation>
    </message>
    <message>
        <source>PURCHASE_SUB_TOTAL</source>
        <translation>EINKAUFSSUMME</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <extracomment>a number of units</extracomment>
        <translation>MENGE</translation>
    </message>
    <message>
        <source>RETURN</source>
        <extracomment>the change given back to the customer</extracomment>
        <translation>RÜCKGELD</translation>
    </message>
    <message>
        <source>SALES</source>
        <extracomment>the sum sold</extracomment>
        <translation>UMSATZ</translation>
    </message>
    <message>
        <source>SALES_TAX</source>
        <translation>STEUER</translation>
    </message>
    <message>
        <source>SALE_PRICE</source>
        <translation>VERKAUFSPREIS</translation>
    </message>
    <message>
        <source>Sent Date</source>
        <extracomment>the sending date of a purchase order</extracomment>
        <translation>Versanddatum</translation>
    </message>
    <message>
        <source>STATUS</source>
        <extracomment>the state of a purchase order</extracomment>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>STORAGE_LOCATION</source>
        <translation>LAGERORT</translation>
    </message>
    <message>
        <source>SUB_ITEMS</source>
        <translation>TEILMENGEN</translation>
    </message>
    <message>
        <source>SUB_TOTAL</source>
        <translation>ZWISCHENSUMME</translation>
    </message>
    <message>
        <source>TIME_STAMP</source>
        <translation>DATUM/UHRZEIT</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>the total of a purchase order</extracomment>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>TOTAL DISCOUNT</source>
        <translation>RABATT GESAMT</translation>
    </message>
    <message>
        <source>TOTAL PURCHASE COST</source>
        <translation>EINKAUFSKOSTEN GESAMT</translation>
    </message>
    <message>
        <source>TOTAL SALES</source>
        <translation>UMSATZ GESAMT</translation>
    </message>
    <message>
        <source>UNIT_PRICE</source>
        <translation>STÜCKPREIS</translation>
    </message>
    <message>
        <source>USER_ID</source>
        <translation>BENUTZER</translation>
    </message>
    <message>
        <source>VENDOR</source>
        <translation>LIEFERANT</translation>
    </message>
</context>
<context>
    <name>ContactDirectory</name>
    <message>
        <source>Directory</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Name, address, email or contact number</source>
        <translation>Name, Adresse, E-Mail oder Telefonnummer</translation>
    </message>
    <message>
        <source>Filter Results</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HeldSalesDialog</name>
    <message>
        <source>Recall Sale</source>
        <translation>Verkauf fortsetzen</translation>
    </message>
    <message>
        <source>Choose the sale to bring back. The sale on the till is held in its place.</source>
        <translation>Wählen Sie den Verkauf aus, der fortgesetzt werden soll. Der Verkauf an der Kasse wird stattdessen geparkt.</translation>
    </message>
    <message>
        <source>Choose the sale to bring back.</source>
        <translation>Wählen Sie den Verkauf aus, der fortgesetzt werden soll.</translation>
    </message>
    <message>
        <source>Held at</source>
        <extracomment>column heading: when the sale was held</extracomment>
        <translation>Geparkt um</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>column heading: the number of lines of the sale</extracomment>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Total %1</source>
        <extracomment>column heading: the sale&apos;s total; %1 is the currency symbol</extracomment>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Abrufen</translation>
    </message>
</context>
<context>
    <name>HomeOverview</name>
    <message>
        <source>NOT AVAILABLE</source>
        <translation>NICHT VERFÜGBAR</translation>
    </message>
    <message>
        <source>NOT SET</source>
        <translation>NICHT FESTGELEGT</translation>
    </message>
    <message>
        <source>Please set from Settings dialog.</source>
        <translation>Bitte in den Einstellungen festlegen.</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Quick Access</source>
        <translation>Schnellzugriff</translation>
    </message>
    <message>
        <source>Databases</source>
        <translation>Datenbanken</translation>
    </message>
    <message>
        <source>Add Categories</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Add Products</source>
        <translation>Neuer Artikel</translation>
    </message>
    <message>
        <source>Add Inventory</source>
        <translation>Bestand buchen</translation>
    </message>
    <message>
        <source>Purchase Order</source>
        <translation>Bestellung</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Vendors</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Customers</source>
        <translation>Kunden</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>COMPANY NAME</source>
        <translation>FIRMENNAME</translation>
    </message>
    <message>
        <source>CURRENCY SYMBOL</source>
        <translation>WÄHRUNGSSYMBOL</translation>
    </message>
    <message>
        <source>SALES TAX RATE (A)</source>
        <translation>STEUERSATZ (A)</translation>
    </message>
    <message>
        <source>SALES TAX NAME</source>
        <translation>STEUERBEZEICHNUNG</translation>
    </message>
    <message>
        <source>CURRENT USER</source>
        <translation>AKTUELLER BENUTZER</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>TOTAL PRODUCTS</source>
        <translation>ARTIKEL GESAMT</translation>
    </message>
    <message>
        <source>TOTAL INVENTORY ITEMS</source>
        <translation>LAGERPOSTEN GESAMT</translation>
    </message>
    <message>
        <source>TOTAL VENDORS</source>
        <translation>LIEFERANTEN GESAMT</translation>
    </message>
    <message>
        <source>TOTAL CUSTOMERS</source>
        <translation>KUNDEN GESAMT</translation>
    </message>
    <message>
        <source>PURCHASED INVENTORY</source>
        <translation>BESTANDSWERT (EK)</translation>
    </message>
    <message>
        <source>YESTERDAY SALES</source>
        <translation>VERKÄUFE GESTERN</translation>
    </message>
    <message>
        <source>Last 7 DAYS SALES</source>
        <translation>VERKÄUFE LETZTE 7 TAGE</translation>
    </message>
    <message>
        <source>Workflow</source>
        <translation>Arbeitsablauf</translation>
    </message>
    <message>
        <source>STEP 1

ADD CATEGORY</source>
        <translation>SCHRITT 1

KATEGORIEN</translation>
    </message>
    <message>
        <source>STEP 2

 ADD PRODUCT</source>
        <translation>SCHRITT 2

 ARTIKEL</translation>
    </message>
    <message>
        <source>STEP 3

ADD VENDOR</source>
        <translation>SCHRITT 3

LIEFERANTEN</translation>
    </message>
    <message>
        <source>STEP 4

ADD INVENTORY</source>
        <translation>SCHRITT 4

BESTAND</translation>
    </message>
    <message>
        <source>STEP 5

RUN POS</source>
        <translation>SCHRITT 5

KASSE STARTEN</translation>
    </message>
</context>
<context>
    <name>InventoryManagement</name>
    <message>
        <source>Inventory</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bar Code</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Add New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Batch Number</source>
        <translation>Chargennummer</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <source>Expiry</source>
        <translation>Verfallsdatum</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Sub Quantity/Items</source>
        <translation>Teilmengen</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Einkaufspreis</translation>
    </message>
    <message>
        <source>Sale Price</source>
        <translation>Verkaufspreis</translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>PLEASE DOUBLE CLICK TABLE ROW TO SELECT THE PRODUCT AND BARCODE</source>
        <translation>BITTE DOPPELKLICKEN SIE AUF EINE TABELLENZEILE, UM ARTIKEL UND BARCODE AUSZUWÄHLEN</translation>
    </message>
    <message>
        <source>Select Stock Item</source>
        <translation>Lagerposten auswählen</translation>
    </message>
    <message>
        <source>Search results based on Name. </source>
        <translation>Suchergebnisse nach Name. </translation>
    </message>
    <message>
        <source>Search results based on Bar Code.</source>
        <translation>Suchergebnisse nach Barcode.</translation>
    </message>
    <message>
        <source>No search criteria specified.</source>
        <translation>Keine Suchkriterien angegeben.</translation>
    </message>
    <message>
        <source>Delete Inventory Item</source>
        <translation>Lagerposten löschen</translation>
    </message>
    <message>
        <source>Do you really want to delete this stock item?</source>
        <translation>Möchten Sie diesen Lagerposten wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter valid User Name or Password (%1)</source>
        <translation>Bitte geben Sie einen gültigen Benutzernamen und ein gültiges Passwort ein (%1)</translation>
    </message>
    <message>
        <source>Login failed. Please try again (%1)</source>
        <translation>Anmeldung fehlgeschlagen. Bitte versuchen Sie es erneut (%1)</translation>
    </message>
    <message>
        <source>Please wait 1 second...</source>
        <translation>Bitte warten Sie 1 Sekunde...</translation>
    </message>
    <message>
        <source>Please wait %1 seconds...</source>
        <translation>Bitte warten Sie %1 Sekunden...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Merchora (Lite)</source>
        <translation>Merchora (Lite)</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Benutzer</translation>
    </message>
    <message>
        <source>&amp;Products</source>
        <translation>&amp;Artikel</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>P&amp;urchase</source>
        <translation>&amp;Einkauf</translation>
    </message>
    <message>
        <source>&amp;Sales</source>
        <translation>&amp;Verkäufe</translation>
    </message>
    <message>
        <source>&amp;Inventory</source>
        <translation>&amp;Lager</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Be&amp;richte</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Haupt</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>Navigator</translation>
    </message>
    <message>
        <source>Inventory DB
CONNECTED</source>
        <translation>Lager-DB
VERBUNDEN</translation>
    </message>
    <message>
        <source>Sales DB
CONNECTED</source>
        <translation>Verkaufs-DB
VERBUNDEN</translation>
    </message>
    <message>
        <source>Point of Sale</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Product Management</source>
        <translation>Artikelverwaltung</translation>
    </message>
    <message>
        <source>Inventory Management</source>
        <translation>Lagerverwaltung</translation>
    </message>
    <message>
        <source>Purchase Management</source>
        <translation>Bestellverwaltung</translation>
    </message>
    <message>
        <source>Sales Management</source>
        <translation>Verkaufsverwaltung</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>L&amp;ogout</source>
        <translation>A&amp;bmelden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Home...</source>
        <translation>&amp;Startseite...</translation>
    </message>
    <message>
        <source>&amp;Lanuch POS...</source>
        <translation>&amp;Kasse starten...</translation>
    </message>
    <message>
        <source>&amp;Manage Products</source>
        <translation>Artikel &amp;verwalten</translation>
    </message>
    <message>
        <source>&amp;Add New Product...</source>
        <translation>&amp;Neuer Artikel...</translation>
    </message>
    <message>
        <source>Import with &amp;Codes...</source>
        <translation>Mit &amp;Artikelnummern importieren...</translation>
    </message>
    <message>
        <source>&amp;Import without Codes...</source>
        <translation>&amp;Ohne Artikelnummern importieren...</translation>
    </message>
    <message>
        <source>&amp;Manage Inventory</source>
        <translation>Lager &amp;verwalten</translation>
    </message>
    <message>
        <source>&amp;Add New Batch...</source>
        <translation>&amp;Neue Charge...</translation>
    </message>
    <message>
        <source>&amp;Normal Export...</source>
        <translation>&amp;Normaler Export...</translation>
    </message>
    <message>
        <source>&amp;Export for Scanner...</source>
        <translation>Export für &amp;Scanner...</translation>
    </message>
    <message>
        <source>&amp;Manage Purchase</source>
        <translation>Bestellungen &amp;verwalten</translation>
    </message>
    <message>
        <source>&amp;Add New Purchase Order</source>
        <translation>&amp;Neue Bestellung</translation>
    </message>
    <message>
        <source>&amp;Reports Management</source>
        <translation>&amp;Berichtsverwaltung</translation>
    </message>
    <message>
        <source>Manage Sales</source>
        <translation>Verkäufe verwalten</translation>
    </message>
    <message>
        <source>Manage &amp;Users...</source>
        <translation>&amp;Benutzer verwalten...</translation>
    </message>
    <message>
        <source>Manage &amp;Categories...</source>
        <translation>&amp;Kategorien verwalten...</translation>
    </message>
    <message>
        <source>Manage &amp;Vendors...</source>
        <translation>&amp;Lieferanten verwalten...</translation>
    </message>
    <message>
        <source>Manage Cus&amp;tomers...</source>
        <translation>K&amp;unden verwalten...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <translation>&amp;Sicherung...</translation>
    </message>
    <message>
        <source>&amp;Databases...</source>
        <translation>&amp;Datenbanken...</translation>
    </message>
    <message>
        <source>&amp;Hide Navigator</source>
        <translation>Navigator &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;Show Navigator</source>
        <translation>Navigator &amp;einblenden</translation>
    </message>
    <message>
        <source>&amp;Dark Theme</source>
        <translation>&amp;Dunkles Farbschema</translation>
    </message>
    <message>
        <source>&amp;Light Theme</source>
        <translation>&amp;Helles Farbschema</translation>
    </message>
    <message>
        <source>About &amp;Merchora (Lite)...</source>
        <translation>Über &amp;Merchora (Lite)...</translation>
    </message>
    <message>
        <source>Inventory DB
DISCONNECTED</source>
        <translation>Lager-DB
NICHT VERBUNDEN</translation>
    </message>
    <message>
        <source>Sales DB
DISCONNECTED</source>
        <translation>Verkaufs-DB
NICHT VERBUNDEN</translation>
    </message>
    <message>
        <source>Login/Logout</source>
        <translation>Anmelden/Abmelden</translation>
    </message>
    <message>
        <source>Login is disabled at the moment as no &apos;ADMIN&apos; user exists. Please add &apos;ADMIN&apos; user from the Users dialog to enable this function.</source>
        <translation>Die Anmeldung ist zurzeit deaktiviert, da kein Benutzer mit der Rolle &apos;ADMIN&apos; existiert. Bitte legen Sie in der Benutzerverwaltung einen &apos;ADMIN&apos;-Benutzer an, um diese Funktion zu aktivieren.</translation>
    </message>
    <message>
        <source>Inventory Export</source>
        <translation>Lagerdaten exportieren</translation>
    </message>
    <message>
        <source>This is normal data export mode. Inventory data will be exported to CSV text file. You can open this file in Excel, or some other program and generate barcodes in Excel, Word or your program of choice.</source>
        <translation>Dies ist der normale Exportmodus. Die Lagerdaten werden in eine CSV-Textdatei exportiert. Sie können diese Datei in Excel oder einem anderen Programm öffnen und die Barcodes in Excel, Word oder einem Programm Ihrer Wahl erzeugen.</translation>
    </message>
    <message>
        <source>Inventory data will be exported to CSV text file. You can open this file in Excel, or some other program and generate barcodes in Excel, Word or your program of choice. This function will export barcodes which are compatible with barcode scanners.</source>
        <translation>Die Lagerdaten werden in eine CSV-Textdatei exportiert. Sie können diese Datei in Excel oder einem anderen Programm öffnen und die Barcodes in Excel, Word oder einem Programm Ihrer Wahl erzeugen. Diese Funktion exportiert Barcodes, die mit Barcode-Scannern kompatibel sind.</translation>
    </message>
    <message>
        <source>Inventory Import</source>
        <translation>Lagerdaten importieren</translation>
    </message>
    <message>
        <source>Inventory data will be imported from CSV text file. Data should be in the form of
&lt;product category&gt;,&lt;product name&gt;,&lt;barcode&gt;
 on each line.</source>
        <translation>Die Lagerdaten werden aus einer CSV-Textdatei importiert. Die Daten müssen in jeder Zeile die Form
&lt;Artikelkategorie&gt;,&lt;Artikelname&gt;,&lt;Barcode&gt;
 haben.</translation>
    </message>
    <message>
        <source>Inventory data will be imported from CSV text file. Data should be in the form of
&lt;product category&gt;,&lt;product name&gt;
 on each line.</source>
        <translation>Die Lagerdaten werden aus einer CSV-Textdatei importiert. Die Daten müssen in jeder Zeile die Form
&lt;Artikelkategorie&gt;,&lt;Artikelname&gt;
 haben.</translation>
    </message>
    <message>
        <source>Exporting stock batches...</source>
        <translation>Lagerchargen werden exportiert...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Data Files (*.txt *.csv)</source>
        <translation>Datendateien (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Importing product data...</source>
        <translation>Artikeldaten werden importiert...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>ManageCategories</name>
    <message>
        <source>Manage Categories</source>
        <translation>Kategorien verwalten</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Name of the category</source>
        <translation>Name der Kategorie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Product Categories</source>
        <translation>Artikelkategorien</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Category can not be deleted because products exist for this category in the system</source>
        <translation>Die Kategorie kann nicht gelöscht werden, weil im System noch Artikel in dieser Kategorie vorhanden sind</translation>
    </message>
    <message>
        <source>Category already exists in the system</source>
        <translation>Die Kategorie ist im System bereits vorhanden</translation>
    </message>
</context>
<context>
    <name>ManageCustomers</name>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Manage Customers</source>
        <translation>Kunden verwalten</translation>
    </message>
</context>
<context>
    <name>ManageDatabases</name>
    <message>
        <source>Create Databases</source>
        <translation>Datenbanken anlegen</translation>
    </message>
    <message>
        <source>Sales Database</source>
        <translation>Verkaufsdatenbank</translation>
    </message>
    <message>
        <source>No Active Sales Database</source>
        <translation>Keine aktive Verkaufsdatenbank</translation>
    </message>
    <message>
        <source>Please select destination folder for new sales database</source>
        <translation>Bitte wählen Sie den Zielordner für die neue Verkaufsdatenbank aus</translation>
    </message>
    <message>
        <source>Select Folder...</source>
        <translation>Ordner auswählen...</translation>
    </message>
    <message>
        <source>Create New Sales Database</source>
        <translation>Neue Verkaufsdatenbank anlegen</translation>
    </message>
    <message>
        <source>Select Existing Sales Database</source>
        <translation>Vorhandene Verkaufsdatenbank auswählen</translation>
    </message>
    <message>
        <source>Inventory Database</source>
        <translation>Lagerdatenbank</translation>
    </message>
    <message>
        <source>No Active Inventory Database</source>
        <translation>Keine aktive Lagerdatenbank</translation>
    </message>
    <message>
        <source>Please select destination folder for new inventory database</source>
        <translation>Bitte wählen Sie den Zielordner für die neue Lagerdatenbank aus</translation>
    </message>
    <message>
        <source>Create New Inventory Database</source>
        <translation>Neue Lagerdatenbank anlegen</translation>
    </message>
    <message>
        <source>Select Existing Inventory Database</source>
        <translation>Vorhandene Lagerdatenbank auswählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>ACTIVE DATABASE : </source>
        <translation>AKTIVE DATENBANK: </translation>
    </message>
    <message>
        <source>New Sales Database created successfully</source>
        <translation>Neue Verkaufsdatenbank erfolgreich angelegt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not create new database </source>
        <translation>Die neue Datenbank kann nicht angelegt werden </translation>
    </message>
    <message>
        <source>Databases</source>
        <translation>Datenbanken</translation>
    </message>
    <message>
        <source>New Inventory Database created successfully</source>
        <translation>Neue Lagerdatenbank erfolgreich angelegt</translation>
    </message>
    <message>
        <source>Select Database</source>
        <translation>Datenbank auswählen</translation>
    </message>
    <message>
        <source>Databases (*.mercdb)</source>
        <translation>Datenbanken (*.mercdb)</translation>
    </message>
    <message>
        <source>This is not a valid database for this version. Please select another database, or create a new database.</source>
        <translation>Dies ist keine gültige Datenbank für diese Version. Bitte wählen Sie eine andere Datenbank aus oder legen Sie eine neue Datenbank an.</translation>
    </message>
</context>
<context>
    <name>ManageUsers</name>
    <message>
        <source>Manage Users</source>
        <translation>Benutzer verwalten</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Login Name</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Repeat Password</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Password does not match with the &apos;Repeat Password&apos;. Please double check the value.</source>
        <translation>Das Passwort stimmt nicht mit der Wiederholung überein. Bitte überprüfen Sie die Eingabe.</translation>
    </message>
    <message>
        <source>Please choose another password.</source>
        <translation>Bitte wählen Sie ein anderes Passwort.</translation>
    </message>
    <message>
        <source>Please make a note of your password. In the next 
 LOGIN session you would need to enter this password.</source>
        <translation>Bitte notieren Sie sich Ihr Passwort. Bei der nächsten 
 ANMELDUNG müssen Sie dieses Passwort eingeben.</translation>
    </message>
    <message>
        <source>Please enter valid data in all input boxes</source>
        <translation>Bitte geben Sie in allen Eingabefeldern gültige Daten ein</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>This user can not be added to system</source>
        <translation>Dieser Benutzer kann nicht zum System hinzugefügt werden</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Benutzer löschen</translation>
    </message>
    <message>
        <source>This is the last user with the role ADMIN. It can not be deleted.</source>
        <translation>Dies ist der letzte Benutzer mit der Rolle ADMIN. Er kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this user from system?</source>
        <translation>Möchten Sie diesen Benutzer wirklich aus dem System entfernen?</translation>
    </message>
    <message>
        <source>Please enter valid data in all input boxes.</source>
        <translation>Bitte geben Sie in allen Eingabefeldern gültige Daten ein.</translation>
    </message>
    <message>
        <source>Update User</source>
        <translation>Benutzer aktualisieren</translation>
    </message>
    <message>
        <source>This is the last user with the role ADMIN. It can not be given another role.</source>
        <translation>Dies ist der letzte Benutzer mit der Rolle ADMIN. Ihm kann keine andere Rolle zugewiesen werden.</translation>
    </message>
</context>
<context>
    <name>ManageVendors</name>
    <message>
        <source>Vendor</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <source>Manage Vendors</source>
        <translation>Lieferanten verwalten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not delete this vendor as sotck Items exist from this vendor.</source>
        <translation>Dieser Lieferant kann nicht gelöscht werden, da noch Lagerartikel von ihm vorhanden sind.</translation>
    </message>
</context>
<context>
    <name>POSSettings</name>
    <message>
        <source>Point of Sale</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Please specify number of rows and columns of buttons on the Point of Sale screen

Min Value of Rows &amp; Columns : 1
Max Value of Rows &amp; Columns : 8</source>
        <translation>Bitte legen Sie die Anzahl der Zeilen und Spalten der Schaltflächen auf dem Kassenbildschirm fest

Mindestwert für Zeilen &amp; Spalten : 1
Höchstwert für Zeilen &amp; Spalten : 8</translation>
    </message>
    <message>
        <source>Number of Rows</source>
        <translation>Anzahl Zeilen</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Anzahl Spalten</translation>
    </message>
</context>
<context>
    <name>PendingSales</name>
    <message>
        <source>The line could not be voided.</source>
        <translation>Die Zeile konnte nicht storniert werden.</translation>
    </message>
    <message>
        <source>This item has no valid items per unit. Please correct the product.</source>
        <translation>Für diesen Artikel ist keine gültige Angabe für Stück pro Einheit hinterlegt. Bitte korrigieren Sie den Artikel.</translation>
    </message>
    <message>
        <source>The returned stock of this line has been sold since: it cannot be voided.</source>
        <translation>Die mit dieser Zeile zurückgenommene Ware wurde inzwischen verkauft: Die Zeile kann nicht storniert werden.</translation>
    </message>
    <message>
        <source>The sale could not be voided.</source>
        <translation>Der Verkauf konnte nicht storniert werden.</translation>
    </message>
</context>
<context>
    <name>PosButtonPages</name>
    <message>
        <source>Category Page %1 of %2 </source>
        <translation>Kategorieseite %1 von %2 </translation>
    </message>
    <message>
        <source>Page %1 of %2 </source>
        <translation>Seite %1 von %2 </translation>
    </message>
</context>
<context>
    <name>PrinterSettings</name>
    <message>
        <source>Printer Settings</source>
        <translation>Druckereinstellungen</translation>
    </message>
    <message>
        <source>Select Default Receipt and Report Printers</source>
        <translation>Standarddrucker für Belege und Berichte auswählen</translation>
    </message>
    <message>
        <source>Report Printer</source>
        <translation>Berichtsdrucker</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>Receipt / Ticket Printer</source>
        <translation>Beleg-/Bondrucker</translation>
    </message>
    <message>
        <source>Logo Settings on Ticket or Small Receipt</source>
        <translation>Logo auf dem Kassenbon</translation>
    </message>
    <message>
        <source>Print logo</source>
        <translation>Logo drucken</translation>
    </message>
    <message>
        <source>Logo Size</source>
        <translation>Logogröße</translation>
    </message>
    <message>
        <source>Receipt/Ticket Page Settings</source>
        <translation>Seiteneinstellungen für Belege/Kassenbons</translation>
    </message>
    <message>
        <source>Paper Width [mm]</source>
        <translation>Papierbreite [mm]</translation>
    </message>
    <message>
        <source>Paper Height [mm]</source>
        <translation>Papierhöhe [mm]</translation>
    </message>
    <message>
        <source>Margin Left [mm]</source>
        <translation>Rand links [mm]</translation>
    </message>
    <message>
        <source>Margin Right [mm]</source>
        <translation>Rand rechts [mm]</translation>
    </message>
    <message>
        <source>Margin Top [mm]</source>
        <translation>Rand oben [mm]</translation>
    </message>
    <message>
        <source>Margin Bottom [mm]</source>
        <translation>Rand unten [mm]</translation>
    </message>
</context>
<context>
    <name>ProductData</name>
    <message>
        <source>code already used: %1 (%2)</source>
        <translation>Artikelnummer bereits vergeben: %1 (%2)</translation>
    </message>
    <message>
        <source>wrong number of fields: %1 (%2)</source>
        <translation>falsche Anzahl an Feldern: %1 (%2)</translation>
    </message>
    <message>
        <source>empty name or category: %1 (%2)</source>
        <translation>Name oder Kategorie leer: %1 (%2)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>Zeilen %1</translation>
    </message>
    <message>
        <source>No product data was found in the file %1.</source>
        <translation>In der Datei %1 wurden keine Artikeldaten gefunden.</translation>
    </message>
    <message>
        <source>Product data imported successfully.</source>
        <translation>Die Artikeldaten wurden erfolgreich importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n product(s) added.</source>
        <translation>
            <numerusform>%n Artikel hinzugefügt.</numerusform>
            <numerusform>%n Artikel hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped:</source>
        <translation>
            <numerusform>%n Datensatz übersprungen:</numerusform>
            <numerusform>%n Datensätze übersprungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Product data could not be imported because of a database error. Nothing was changed.</source>
        <translation>Die Artikeldaten konnten wegen eines Datenbankfehlers nicht importiert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Product data could not be imported because of a database error at line %1 of the file. Nothing was changed.</source>
        <translation>Die Artikeldaten konnten wegen eines Datenbankfehlers in Zeile %1 der Datei nicht importiert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Error occurred while exporting data.</source>
        <translation>Beim Exportieren der Daten ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Inventory data exported successfully to file %1</source>
        <translation>Die Lagerdaten wurden erfolgreich in die Datei %1 exportiert</translation>
    </message>
</context>
<context>
    <name>ProductManagement</name>
    <message>
        <source>Product Management</source>
        <translation>Artikelverwaltung</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Product (Code or Bar Code)</source>
        <translation>Artikel (Nummer oder Barcode)</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Add New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Code</source>
        <extracomment>column heading: the product code</extracomment>
        <translation>Artikelnr.</translation>
    </message>
    <message>
        <source>Items Per Unit</source>
        <translation>Stück pro Einheit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>PLEASE DOUBLE CLICK TABLE ROW TO SELECT THE PRODUCT</source>
        <translation>BITTE DOPPELKLICKEN SIE AUF EINE TABELLENZEILE, UM DEN ARTIKEL AUSZUWÄHLEN</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Artikel auswählen</translation>
    </message>
    <message>
        <source>Search results based on Name. </source>
        <translation>Suchergebnisse nach Name. </translation>
    </message>
    <message>
        <source>Search results based on Product Code.</source>
        <translation>Suchergebnisse nach Artikelnummer.</translation>
    </message>
    <message>
        <source>No search criteria specified.</source>
        <translation>Keine Suchkriterien angegeben.</translation>
    </message>
    <message>
        <source>Delete Product</source>
        <translation>Artikel löschen</translation>
    </message>
    <message>
        <source>Do you really want to delete this product?</source>
        <translation>Möchten Sie diesen Artikel wirklich löschen?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not delete this product because inventory might exist against this product.</source>
        <translation>Dieser Artikel kann nicht gelöscht werden, weil möglicherweise noch Bestand zu diesem Artikel vorhanden ist.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>PurchaseManagement</name>
    <message>
        <source>Purchase Orders</source>
        <translation>Bestellungen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Vendor Name</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Add New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Search results based on Vendor name. </source>
        <translation>Suchergebnisse nach Lieferant. </translation>
    </message>
    <message>
        <source>Search results based on Purchase Order Status</source>
        <translation>Suchergebnisse nach Bestellstatus</translation>
    </message>
    <message>
        <source>No search criteria specified.</source>
        <translation>Keine Suchkriterien angegeben.</translation>
    </message>
    <message>
        <source>Do you really want to delete this purchase order?</source>
        <translation>Möchten Sie diese Bestellung wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>PurchaseOrderStore</name>
    <message>
        <source>product code %1 is no longer in the catalogue</source>
        <translation>die Artikelnummer %1 ist nicht mehr im Sortiment</translation>
    </message>
    <message>
        <source>the batch could not be stored: %1</source>
        <translation>die Charge konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>barcodes %1 and %2 both belong to other batches already</source>
        <translation>die Barcodes %1 und %2 gehören beide bereits zu anderen Chargen</translation>
    </message>
    <message>
        <source>The stock could not be changed: %1</source>
        <translation>Der Bestand konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>The items of the order could not be read: %1</source>
        <translation>Die Positionen der Bestellung konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>The order could not be stored.</source>
        <translation>Die Bestellung konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>NO IMAGE</source>
        <translation>KEIN BILD</translation>
    </message>
    <message>
        <source>UNUSED</source>
        <extracomment>caption of an empty place in the grid of product buttons</extracomment>
        <translation>FREI</translation>
    </message>
</context>
<context>
    <name>ReportEngine</name>
    <message>
        <source>Please change Report Printer settings from Settings dialog. Currently it is configured to print to PDF file.</source>
        <translation>Bitte ändern Sie im Dialog „Einstellungen“ den Berichtsdrucker. Derzeit ist das Drucken in eine PDF-Datei eingestellt.</translation>
    </message>
    <message>
        <source>Please change Receipt/Ticket Printer settings from Settings dialog. Currently it is configured to print to PDF file.</source>
        <translation>Bitte ändern Sie im Dialog „Einstellungen“ den Beleg-/Bondrucker. Derzeit ist das Drucken in eine PDF-Datei eingestellt.</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>&amp;Close...</source>
        <translation>&amp;Schließen...</translation>
    </message>
</context>
<context>
    <name>ReportHtmlWriter</name>
    <message>
        <source>Total Sales : %1%2</source>
        <extracomment>%1 is the currency symbol, %2 the amount</extracomment>
        <translation>Umsatz gesamt : %1%2</translation>
    </message>
    <message>
        <source>Total Purchase : %1%2</source>
        <extracomment>%1 is the currency symbol, %2 the amount</extracomment>
        <translation>Einkaufskosten gesamt : %1%2</translation>
    </message>
    <message>
        <source>Total Profit : %1%2</source>
        <extracomment>%1 is the currency symbol, %2 the amount</extracomment>
        <translation>Gewinn gesamt : %1%2</translation>
    </message>
    <message>
        <source>Total Discount : %1%2</source>
        <extracomment>%1 is the currency symbol, %2 the amount</extracomment>
        <translation>Rabatt gesamt : %1%2</translation>
    </message>
</context>
<context>
    <name>ReportParameterDialog</name>
    <message>
        <source>Report Parameter</source>
        <translation>Berichtsparameter</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>End Date  </source>
        <translation>Enddatum  </translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <source>Report Viewer</source>
        <translation>Berichtsanzeige</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Results Group By</source>
        <translation>Ergebnisse gruppieren nach</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Total Sales</source>
        <translation>Umsatz gesamt</translation>
    </message>
    <message>
        <source>Total Purchase Cost</source>
        <translation>Einkaufskosten gesamt</translation>
    </message>
    <message>
        <source>Total Profit</source>
        <translation>Gewinn gesamt</translation>
    </message>
    <message>
        <source>Total Discount</source>
        <translation>Rabatt gesamt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Bericht wird vorbereitet...</translation>
    </message>
    <message numerus="yes">
        <source>Laying out %n row(s)...</source>
        <translation>
            <numerusform>Layout für %n Zeile wird erstellt...</numerusform>
            <numerusform>Layout für %n Zeilen wird erstellt...</numerusform>
        </translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Seite %1 von %2 wird gedruckt</translation>
    </message>
    <message>
        <source>Please change Report Printer settings from Settings dialog. Currently it is configured to print to PDF file.</source>
        <translation>Bitte ändern Sie im Dialog „Einstellungen“ den Berichtsdrucker. Derzeit ist das Drucken in eine PDF-Datei eingestellt.</translation>
    </message>
</context>
<context>
    <name>ReportsManagement</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Inventory Reports</source>
        <translation>Lagerberichte</translation>
    </message>
    <message>
        <source>Products Expiring in Near Future</source>
        <translation>Bald ablaufende Artikel</translation>
    </message>
    <message>
        <source>Products Low in Stock</source>
        <translation>Artikel mit niedrigem Bestand</translation>
    </message>
    <message>
        <source>Out of Stock Products</source>
        <translation>Ausverkaufte Artikel</translation>
    </message>
    <message>
        <source>View Inventory Report</source>
        <translation>Lagerbericht anzeigen</translation>
    </message>
    <message>
        <source>Sales Reports</source>
        <translation>Verkaufsberichte</translation>
    </message>
    <message>
        <source>Sales Report for Last 7 Days</source>
        <translation>Verkaufsbericht der letzten 7 Tage</translation>
    </message>
    <message>
        <source>Sales Report for Last 30 Days</source>
        <translation>Verkaufsbericht der letzten 30 Tage</translation>
    </message>
    <message>
        <source>Sales Report for Specific Date Range</source>
        <translation>Verkaufsbericht für einen Zeitraum</translation>
    </message>
    <message>
        <source>View Sales Report</source>
        <translation>Verkaufsbericht anzeigen</translation>
    </message>
    <message>
        <source>Low Items Threshold</source>
        <translation>Mindestbestand</translation>
    </message>
    <message>
        <source>Expiration Value in Days</source>
        <translation>Tage bis zum Verfall</translation>
    </message>
    <message>
        <source>ITEMS HAVING STOCK LEVEL LESS THAN (%1)</source>
        <translation>ARTIKEL MIT BESTAND UNTER (%1)</translation>
    </message>
    <message>
        <source>EXPIRING ITEMS IN (%1) DAYS REPORT</source>
        <translation>BERICHT: IN DEN NÄCHSTEN (%1) TAGEN ABLAUFENDE ARTIKEL</translation>
    </message>
    <message>
        <source>OUT OF STOCK ITEMS REPORT</source>
        <translation>BERICHT: AUSVERKAUFTE ARTIKEL</translation>
    </message>
    <message>
        <source>SALES &amp; PURCHASE COST REPORT (LAST 7 DAYS)</source>
        <translation>VERKAUFS- &amp; EINKAUFSKOSTENBERICHT (LETZTE 7 TAGE)</translation>
    </message>
    <message>
        <source>SALES &amp; PURCHASE COST REPORT (LAST 30 DAYS)</source>
        <translation>VERKAUFS- &amp; EINKAUFSKOSTENBERICHT (LETZTE 30 TAGE)</translation>
    </message>
    <message>
        <source>SALES &amp; PURCHASE COST REPORT FROM %1 TO %2</source>
        <translation>VERKAUFS- &amp; EINKAUFSKOSTENBERICHT VOM %1 BIS %2</translation>
    </message>
</context>
<context>
    <name>SalesManagement</name>
    <message>
        <source>Sales</source>
        <translation>Verkäufe</translation>
    </message>
    <message>
        <source>Sales/Receipt Number</source>
        <translation>Verkaufs-/Belegnummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Sales Details</source>
        <translation>Verkaufsdetails</translation>
    </message>
    <message>
        <source>Voided Lines</source>
        <translation>Stornierte Zeilen</translation>
    </message>
    <message>
        <source>Add New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Voided Lines (%1)</source>
        <translation>Stornierte Zeilen (%1)</translation>
    </message>
    <message>
        <source>Sale Details</source>
        <translation>Verkaufsdetails</translation>
    </message>
    <message>
        <source>Please click on &apos;Sales Details&apos; tab to view details of this sale. All individual items are listed on this tab. You can double click on the row to go directly to details page as well. </source>
        <translation>Bitte klicken Sie auf die Registerkarte &apos;Verkaufsdetails&apos;, um die Details dieses Verkaufs anzuzeigen. Dort sind alle einzelnen Artikel aufgeführt. Sie können auch auf die Zeile doppelklicken, um direkt zur Detailseite zu gelangen. </translation>
    </message>
    <message>
        <source>Search results based on Sales/Receipt ID </source>
        <translation>Suchergebnisse nach Verkaufs-/Belegnummer </translation>
    </message>
    <message>
        <source>Search results based on Date</source>
        <translation>Suchergebnisse nach Datum</translation>
    </message>
    <message>
        <source>No search criteria specified.</source>
        <translation>Keine Suchkriterien angegeben.</translation>
    </message>
    <message>
        <source>Delete Sale</source>
        <translation>Verkauf löschen</translation>
    </message>
    <message>
        <source>Please select row from sales table, and then press delete.</source>
        <translation>Bitte wählen Sie eine Zeile in der Verkaufstabelle aus und klicken Sie dann auf Löschen.</translation>
    </message>
    <message>
        <source>Do you really want to delete this sale and associated details?</source>
        <translation>Möchten Sie diesen Verkauf und die zugehörigen Details wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>SalesReport</name>
    <message>
        <source>RESULTS GROUPED BY PRODUCT</source>
        <translation>ERGEBNISSE NACH ARTIKEL GRUPPIERT</translation>
    </message>
    <message>
        <source>RESULTS GROUPED BY CUSTOMER</source>
        <translation>ERGEBNISSE NACH KUNDE GRUPPIERT</translation>
    </message>
    <message>
        <source>RESULTS GROUPED BY DATE</source>
        <translation>ERGEBNISSE NACH DATUM GRUPPIERT</translation>
    </message>
    <message>
        <source>RESULTS GROUPED BY USER</source>
        <translation>ERGEBNISSE NACH BENUTZER GRUPPIERT</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Sub Items Mode</source>
        <translation>Teilmengen-Modus</translation>
    </message>
    <message>
        <source>Enable this option if you want to sell and manage sub quantities. This mode is useful if you want to sell in deonminations. For example 500g out of pack of 1000g, or one bottle out of a pack of six bottles.</source>
        <translation>Aktivieren Sie diese Option, wenn Sie Teilmengen verkaufen und verwalten möchten. Dieser Modus ist nützlich, wenn Sie in kleineren Einheiten verkaufen möchten, zum Beispiel 500 g aus einer Packung mit 1000 g oder eine Flasche aus einem Sechserpack.</translation>
    </message>
    <message>
        <source>Enable Sub Items Mode</source>
        <translation>Teilmengen-Modus aktivieren</translation>
    </message>
    <message>
        <source>What is this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Currency Symbol</source>
        <translation>Währungssymbol</translation>
    </message>
    <message>
        <source>Sales Receipt Size</source>
        <translation>Belegformat</translation>
    </message>
    <message>
        <source>Large Size (e.g. A4)</source>
        <translation>Großes Format (z. B. A4)</translation>
    </message>
    <message>
        <source> (Select appropriate Receipt Printer under Printer Settings)</source>
        <translation> (Wählen Sie den passenden Belegdrucker unter „Drucker“ aus)</translation>
    </message>
    <message>
        <source>Smalle Receipt/Ticket Size </source>
        <translation>Kleines Format (Kassenbon) </translation>
    </message>
    <message>
        <source>(Select appropriate Receipt Printer under Printer Settings)</source>
        <translation>(Wählen Sie den passenden Belegdrucker unter „Drucker“ aus)</translation>
    </message>
    <message>
        <source>Display Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Dark Theme</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light Theme</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>MySql Server</source>
        <translation>MySQL-Server</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Databases</source>
        <translation>Datenbanken</translation>
    </message>
    <message>
        <source>Product Images Folder</source>
        <translation>Ordner für Artikelbilder</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Company Settings</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>Firmendaten</translation>
    </message>
    <message>
        <source>Please enter the details of your business or company in the following fields. This information will be printed on sales receipts and reports geneted by the system.</source>
        <translation>Bitte geben Sie in den folgenden Feldern die Angaben zu Ihrem Geschäft oder Ihrer Firma ein. Diese Angaben werden auf Verkaufsbelege und vom System erstellte Berichte gedruckt.</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Company Address</source>
        <translation>Firmenadresse</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Company Logo</source>
        <translation>Firmenlogo</translation>
    </message>
    <message>
        <source>Tax Settings</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Druckereinstellungen</translation>
    </message>
    <message>
        <source>POS Settings</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Select Product Image</source>
        <translation>Artikelbild auswählen</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Bilddateien (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Sub Items Help</source>
        <translation>Hilfe zum Teilmengen-Modus</translation>
    </message>
    <message>
        <source>This mode is useful when you want to sell individual items or small custom quantities. For example, if you are buying a pack of six bottles, and want to sell one bottle each. If this mode is enabled then the price for one bottle will be calcualted automatically. Another example would be selling items which require price calculation from weight. For example you can add the  price of 1Kg of sugar in the system. If this mode is enabled then price of any weight of sugar will be calculated  automatically by the system.</source>
        <translation>Dieser Modus ist nützlich, wenn Sie einzelne Stücke oder kleine, beliebige Mengen verkaufen möchten. Zum Beispiel, wenn Sie ein Sechserpack Flaschen einkaufen und die Flaschen einzeln verkaufen möchten. Ist dieser Modus aktiviert, wird der Preis für eine Flasche automatisch berechnet. Ein weiteres Beispiel ist der Verkauf von Artikeln, deren Preis nach Gewicht berechnet wird. Sie können zum Beispiel den Preis für 1 kg Zucker im System hinterlegen. Ist dieser Modus aktiviert, berechnet das System den Preis für jedes beliebige Gewicht Zucker automatisch.</translation>
    </message>
    <message>
        <source>Product Images</source>
        <translation>Artikelbilder</translation>
    </message>
    <message>
        <source>Select the folder that holds the product images.</source>
        <translation>Wählen Sie den Ordner aus, der die Artikelbilder enthält.</translation>
    </message>
    <message>
        <source>The program shows its texts in %1 from its next start.</source>
        <translation>Das Programm zeigt seine Texte ab dem nächsten Start auf %1.</translation>
    </message>
</context>
<context>
    <name>SmallReceipt</name>
    <message>
        <source>Sub Total: %1</source>
        <translation>Zwischensumme: %1</translation>
    </message>
    <message>
        <source>Total %1: %2</source>
        <extracomment>the tax total on the receipt; %1 is the name of the tax</extracomment>
        <translation>Summe %1: %2</translation>
    </message>
    <message>
        <source>Grand Total: %1</source>
        <translation>Gesamtsumme: %1</translation>
    </message>
    <message>
        <source>Paid %1</source>
        <extracomment>the amount the customer paid</extracomment>
        <translation>Gegeben %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>the money given back to the customer</extracomment>
        <translation>Rückgeld %1</translation>
    </message>
    <message>
        <source>Total Discount: %1</source>
        <translation>Gesamtrabatt: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Receipt Nr.: %1</source>
        <translation>Beleg-Nr.: %1</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>column heading on the receipt: the quantity sold</extracomment>
        <translation>Anz</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>column heading on the receipt</extracomment>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>column heading on the receipt: the price of the line</extracomment>
        <translation>Preis</translation>
    </message>
</context>
<context>
    <name>StockReport</name>
    <message>
        <source>Please enter the threshold as a whole number of units, for example 5.</source>
        <translation>Bitte geben Sie den Schwellenwert als ganze Anzahl von Einheiten ein, zum Beispiel 5.</translation>
    </message>
</context>
<context>
    <name>TaxSettings</name>
    <message>
        <source>Tax Settings</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Click here to disable or enable sales tax calculations&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Klicken Sie hier, um die Steuerberechnung zu deaktivieren oder zu aktivieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Enable sales tax calculations</source>
        <translation>Steuerberechnung aktivieren</translation>
    </message>
    <message>
        <source>If tax is disabled no tax information will be shown on receipts or reports.</source>
        <translation>Wenn die Steuer deaktiviert ist, werden auf Belegen und in Berichten keine Steuerangaben angezeigt.</translation>
    </message>
    <message>
        <source>Sales Tax Name</source>
        <translation>Steuerbezeichnung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Set according to local sales tax conventions. This will displayed on receipts&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Legen Sie die Bezeichnung gemäß den örtlichen Steuerregeln fest. Sie wird auf Belegen angezeigt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Example: VAT, GST, Tax</source>
        <translation>Beispiel: MwSt., USt., Steuer</translation>
    </message>
    <message>
        <source>Define multiple tax rates and assign to different product tax categories</source>
        <translation>Legen Sie mehrere Steuersätze fest und ordnen Sie diese den verschiedenen Steuerkategorien der Artikel zu</translation>
    </message>
    <message>
        <source>Tax Rate-A (%)</source>
        <translation>Steuersatz A (%)</translation>
    </message>
    <message>
        <source>Tax Rate-B (%)</source>
        <translation>Steuersatz B (%)</translation>
    </message>
    <message>
        <source>Tax Rate-C (%)</source>
        <translation>Steuersatz C (%)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Tax rate %1 is invalid. Please enter numeric (0 to 99.99) value.</source>
        <translation>Steuersatz %1 ist ungültig. Bitte geben Sie eine Zahl von 0 bis 99.99 ein (mit Punkt als Dezimaltrennzeichen).</translation>
    </message>
</context>
<context>
    <name>VersionWebServiceClient</name>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Latest version ( %1 ) is available for download. Do you want to download it now?</source>
        <translation>Die neueste Version (%1) steht zum Herunterladen bereit. Möchten Sie sie jetzt herunterladen?</translation>
    </message>
    <message>
        <source>Version Check</source>
        <translation>Versionsprüfung</translation>
    </message>
    <message>
        <source>You have a latest version of %1</source>
        <translation>Sie haben bereits die neueste Version von %1</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Please do not show me welcome and settings dialogs  again at startup</source>
        <translation>Willkommens- und Einstellungsdialog beim Start nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
